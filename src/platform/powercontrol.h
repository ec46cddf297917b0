#pragma once

// Asks the operating system to turn the computer off at the end of a job.
class PowerControl
{
public:
    virtual ~PowerControl() = default;

    // Starts the power-off. False when the request could not be made; the caller reports nothing either way.
    virtual bool powerOff() = 0;

    // The instance in force; the system's own unless a test installed another.
    static PowerControl& instance();
    // Installs `powerControl` (not owned); nullptr puts the system's own back.
    static void install(PowerControl* powerControl);
};

// The name of the environment variable that keeps the program from ever powering the computer off.
// The test harness sets it, as a second guard besides the installed fake.
inline constexpr char kNoPowerOffVariable[] = "BRINDLECUT_NO_POWER_OFF";

// True when that variable is set, whatever its value: the system's power control then refuses every request.
bool PowerOffRefusedByEnvironment();
