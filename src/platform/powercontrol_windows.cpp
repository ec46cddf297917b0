#include "platform/powercontrol.h"
#include "platform/systempowercontrol.h"

#include <windows.h>

namespace {

// Powering off needs the shutdown privilege in the process token; failures here are not examined, since
// ExitWindowsEx then fails on its own.
void EnableShutdownPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
}

// No forcing flag: an application that refuses to end may stop the shutdown.
class WindowsPowerControl final : public PowerControl
{
public:
    bool powerOff() override
    {
        if (PowerOffRefusedByEnvironment())
            return false;
        EnableShutdownPrivilege();
        return ExitWindowsEx(EWX_POWEROFF, 0) != 0;
    }
};

} // namespace

PowerControl& SystemPowerControl()
{
    static WindowsPowerControl windows;
    return windows;
}
