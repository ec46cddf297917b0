#include "support/fakepowercontrol.h"
