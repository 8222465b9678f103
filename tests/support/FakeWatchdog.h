// A watchdog that runs already, or (ends) one that must be started first,
// which ends this run of the program.
#pragma once

#include "config/SettingsFile.h"

namespace wendox::testing {

struct FakeWatchdog final : WatchdogStarter {
    bool ends = false;
    bool StartWatchdog() override { return ends; }
};

}  // namespace wendox::testing
