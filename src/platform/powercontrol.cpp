#include "platform/powercontrol.h"

#include "platform/systempowercontrol.h"

#include <QtGlobal>

namespace {

PowerControl* g_installed = nullptr;

} // namespace

PowerControl& PowerControl::instance()
{
    return g_installed ? *g_installed : SystemPowerControl();
}

void PowerControl::install(PowerControl* powerControl)
{
    g_installed = powerControl;
}

bool PowerOffRefusedByEnvironment()
{
    return qEnvironmentVariableIsSet(kNoPowerOffVariable);
}
