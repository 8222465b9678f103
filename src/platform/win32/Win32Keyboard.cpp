#include "platform/win32/Win32Keyboard.h"

#include <windows.h>

namespace wendox {

std::uint16_t Win32Keyboard::KeyState(int virtualKey) {
    return static_cast<std::uint16_t>(GetAsyncKeyState(virtualKey));
}

}  // namespace wendox
