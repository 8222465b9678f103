// The reliability dialog frmReliability: whole percent, thousandths and
// hours chosen from three drop-down lists, with Accept, Cancel and, for a
// single component, Test Failure and Clear Failure.
#pragma once

#include <windows.h>

#include <string>

#include "ui/model/DialogValues.h"

namespace wendox::ui {

// Creates the dialog afresh, owned by `owner`, shows `values` as its starting
// reliability and hours and runs it modally: the owner is disabled, while
// its other messages (the tick timer among them) keep being dispatched. On
// return the dialog is destroyed and `values` holds the outcome: the flag of
// the button that closed it (none after Cancel or the close box) and, after
// Accept, the chosen reliability and hours. Hours are written and read with
// `decimalSeparator`.
void ShowReliabilityDialog(HWND owner, const std::string& caption, bool showTestAndClear, char decimalSeparator,
                           DialogValues& values);

}  // namespace wendox::ui
