// The settings dialog frmSettings: the status and sound switches, the
// Hardcore Mode choice, the three hot keys and the limit of failures in force
// at once of the settings record.
#pragma once

#include <windows.h>

#include "engine/EngineState.h"

namespace wendox::ui {

// Creates the dialog afresh, owned by `owner`, showing `engine.settings`,
// and runs it modally (the owner disabled, the main window's timer still
// ticking). "&OK" stores the form into the settings record, as it stands
// when pressed and with `engine.airborne` at that moment, shows the Hardcore
// Mode message if there is one through the engine's desktop, and closes;
// "&Cancel", Escape and the close box close without storing. Returns when
// the dialog is destroyed.
void ShowSettingsDialog(HWND owner, EngineState& engine);

}  // namespace wendox::ui
