// The keyboard's physical state, asked of the system for the hot keys.
#pragma once

#include "config/Keyboard.h"

namespace wendox {

class Win32Keyboard final : public Keyboard {
public:
    std::uint16_t KeyState(int virtualKey) override;
};

}  // namespace wendox
