#pragma once

class PowerControl;

// The platform's own power control, one implementation file per platform. Only PowerControl::instance() uses it.
PowerControl& SystemPowerControl();
