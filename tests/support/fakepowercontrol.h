#pragma once

#include "platform/powercontrol.h"

// Records power-off requests and answers them with `succeeds`. Installs itself for its lifetime.
class FakePowerControl final : public PowerControl
{
public:
    FakePowerControl() { PowerControl::install(this); }
    ~FakePowerControl() override { PowerControl::install(nullptr); }
    bool powerOff() override
    {
        ++requests;
        return succeeds;
    }

    int requests = 0;
    bool succeeds = true;
};
