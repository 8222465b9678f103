// The options dialog frmOptions, captioned "Help": the program's version,
// the help document and the way to the settings dialog.
#pragma once

#include <windows.h>

#include "engine/EngineState.h"

namespace wendox::ui {

// cmdOptions_Click: creates the dialog afresh, owned by `owner`, and runs it
// modally (the owner disabled, its timer still ticking). "&Help" opens the
// help document beside the program and leaves the dialog open; "&Settings"
// runs the settings dialog over it and closes it afterwards; "&Cancel",
// Escape and the close box close it.
void ShowOptionsDialog(HWND owner, EngineState& engine);

}  // namespace wendox::ui
