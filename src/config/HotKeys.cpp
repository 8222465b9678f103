#include "config/HotKeys.h"

#include <cstdint>

namespace wendox {

namespace {

bool IsDown(std::uint16_t state) { return (state & 0x8000u) != 0; }
// Up means neither held now nor pressed since the last query.
bool IsUp(std::uint16_t state) { return state == 0; }
bool Meets(std::uint16_t state, bool wanted) { return wanted ? IsDown(state) : IsUp(state); }

bool ModifiersMatch(Keyboard& keyboard, std::int32_t mods) {
    const bool valid = mods == kModsCtrl || mods == kModsShift || mods == kModsCtrlShift;
    const bool wantCtrl = valid && (mods & kModsCtrl) != 0;
    const bool wantShift = valid && (mods & kModsShift) != 0;
    std::uint16_t shift, ctrl;
    if (mods == kModsShift) {
        ctrl = keyboard.KeyState(kVirtualKeyControl);
        shift = keyboard.KeyState(kVirtualKeyShift);
    } else {
        shift = keyboard.KeyState(kVirtualKeyShift);
        ctrl = keyboard.KeyState(kVirtualKeyControl);
    }
    return Meets(ctrl, wantCtrl) && Meets(shift, wantShift);
}

}  // namespace

FiringHotKeys PollHotKeys(const Settings& settings, Keyboard& keyboard) {
    FiringHotKeys firing{};
    for (std::size_t i = 0; i < kHotKeyFields.size(); ++i) {
        const std::int32_t key = settings.*kHotKeyFields[i].key;
        if (key == 0) continue;
        if (!IsDown(keyboard.KeyState(key))) continue;
        firing[i] = ModifiersMatch(keyboard, settings.*kHotKeyFields[i].mods);
    }
    return firing;
}

}  // namespace wendox
