#include "config/HotKeys.h"

#include "engine/EngineFixture.h"

namespace wendox::testing {
namespace {

constexpr int kShift = kVirtualKeyShift, kCtrl = kVirtualKeyControl, kAlt = 18, kKeyS = 'S', kKeyA = 'A';
// Held: down; just pressed: down and pressed since the last query; pressed only: released before the query.
constexpr std::uint16_t kUp = 0x0000, kHeld = 0x8000, kJustPressed = 0x8001, kPressedOnly = 0x0001;

using HotKeysTest = EngineFixture;

// For every modifier code, the one way of holding CTRL and SHIFT that acts,
// against every state each of them may have (traced as "code:key,CTRL,SHIFT"),
// and the order of the queries: the modifier asked first, then the other.
// The clear key is not set and never asked about; ALT is never looked at;
// the status key is up.
TEST_F(HotKeysTest, ModifierCodeWantsExactlyItsCtrlAndShiftAndQueriesThemOnceEach) {
    const struct { std::int32_t mods; std::uint16_t ctrl, shift; int first; } rows[] = {
        {0, kUp, kUp, kShift}, {1, kJustPressed, kUp, kShift}, {2, kUp, kJustPressed, kCtrl},
        {3, kJustPressed, kJustPressed, kShift}, {5, kUp, kUp, kShift},  // only an edited file holds 5: like 0
    };
    const std::uint16_t modifierStates[] = {kUp, kJustPressed, kPressedOnly};
    s().settings = {.statusHotKey = kKeyS, .activeHotKey = kKeyA};
    for (const auto& row : rows) {
        s().settings.activeHotKeyMods = row.mods;
        const std::vector<int> asked{kKeyS, kKeyA, row.first, kCtrl + kShift - row.first};
        for (std::uint16_t key : {kPressedOnly, kHeld})
            for (std::uint16_t ctrl : modifierStates)
                for (std::uint16_t shift : modifierStates) {
                    SCOPED_TRACE(::testing::Message() << row.mods << ':' << key << ',' << ctrl << ',' << shift);
                    keys = {{kKeyA, key}, {kCtrl, ctrl}, {kShift, shift}, {kAlt, kHeld}};
                    queries.clear();
                    const FiringHotKeys firing = PollHotKeys(s().settings, *this);
                    EXPECT_EQ(firing, (FiringHotKeys{false, false, key == kHeld && ctrl == row.ctrl && shift == row.shift}));
                    // A main key that is not down: nothing else is asked for it.
                    EXPECT_EQ(queries, key == kHeld ? asked : (std::vector<int>{kKeyS, kKeyA}));
                }
    }
}

}  // namespace
}  // namespace wendox::testing
