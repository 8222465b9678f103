// Everything the main program keeps for as long as it runs: the catalogue,
// the failures in force, the flight monitor's flags, the settings and the
// link, with the desktop and the window it reports to.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "engine/Catalogue.h"
#include "engine/Desktop.h"
#include "engine/EngineView.h"
#include "engine/Random.h"
#include "link/Link.h"

namespace wendox {

class Companions;
class FileStore;
class Keyboard;

struct EngineState {
    EngineState(LinkOs& os, Desktop& desktop, EngineView& view);
    EngineState(const EngineState&) = delete;
    EngineState& operator=(const EngineState&) = delete;

    Desktop* desktop;
    EngineView* view;
    FileStore* files = nullptr;     // where profiles and settings are read and written
    Keyboard* keyboard = nullptr;   // polled for the hot keys
    Companions* companions = nullptr;  // where Hardcore Mode's watchdog is looked for
    LinkState link;
    Settings settings;
    SettingsFileState settingsFile;  // what start-up learned of the settings file
    Catalogue catalogue;
    FailedList failed;
    RandomGenerator random;

    // The flight monitor.
    bool connected = false;
    bool simPaused = false;   // at the last good read
    bool airborne = false;    // at the last good read
    bool deactivated = false; // the user has suspended the engine
    std::uint16_t engineCount = 0;
    int rollTickCounter = 0;  // operational ticks since the last roll
    int prevFailedCount = 0;
    std::int32_t gearControl = 0;   // read this tick
    std::int32_t flapsControl = 0;  // read this tick

    // Which bits (1, 2, 4, 8) of the control-disconnect byte are held.
    std::array<bool, 4> disconnectHeld{};

    // Failure flags cleared while the clear could not reach the simulator
    // (the link closed or the exchange failed): each offset is written 0 by
    // the next exchange that succeeds. At most one entry per flag byte.
    std::vector<std::uint32_t> unsentFlagClears;

    std::string statusText;      // composed this tick
    std::string lastStatusText;  // last shown in the window
};

// The in-flight lock of Hardcore Mode: nothing may be undone or escaped.
inline bool InFlightLock(const EngineState& s) { return s.settings.hardcoreMode && s.airborne; }

// A whole number from lo to hi, drawn with the desktop's clock.
std::int32_t RandomNumber(EngineState& s, std::int32_t hi, std::int32_t lo);

}  // namespace wendox
