#include "assets.h"

void BrindlecutAssetsLinked() {}
