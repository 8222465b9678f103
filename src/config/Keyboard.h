// The keyboard as the hot keys see it: the physical state of a key, asked of
// the system whichever window has the focus.
#pragma once

#include <cstdint>

namespace wendox {

inline constexpr int kVirtualKeyShift = 16;
inline constexpr int kVirtualKeyControl = 17;

class Keyboard {
public:
    virtual ~Keyboard() = default;
    // The 16-bit key state of a virtual key: bit 15 while it is down, bit 0
    // when it was pressed since the last query.
    virtual std::uint16_t KeyState(int virtualKey) = 0;
};

}  // namespace wendox
