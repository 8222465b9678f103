// The programs' own icon: the resource the build draws (scripts/make-icon.sh)
// and links into every program, shown by Explorer, the title bar and the
// task bar. Included by the resource script as well as by C++.
#pragma once

#define WENDOX_PROGRAM_ICON 1

#ifndef RC_INVOKED
#include <windows.h>

namespace wendox {

// The icon at the size Windows shows in a title bar (small) or for Alt+Tab
// (large); Windows' plain program icon where the program carries none.
inline HICON ProgramIcon(bool small) {
    const int size = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    auto* icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(WENDOX_PROGRAM_ICON),
                                               IMAGE_ICON, size, size, LR_SHARED));
    return icon != nullptr ? icon : LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
}

}  // namespace wendox
#endif
