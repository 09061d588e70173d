#pragma once
// The console's core over a simulated unit, every wait on a virtual clock.

#include "Clock.h"
#include "DeviceLink.h"
#include "PollController.h"
#include "SimDriver.h"
#include "SimulatedUnit.h"

struct SimulatedConsole {
    VirtualClock clock;
    SimulatedUnit unit{clock};
    SimDriver driver{unit, clock};
    DeviceLink link{driver, clock};
    PollController poll{link, clock};
};
