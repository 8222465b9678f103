#include "config/HotKeys.h"
#include "config/Keyboard.h"

#include <map>
#include <string>
#include <vector>

#include "engine/EngineFixture.h"

namespace wendox::testing {
namespace {

constexpr int kShift = kVirtualKeyShift, kCtrl = kVirtualKeyControl, kAlt = 18, kKeyS = 'S', kKeyC = 'C', kKeyA = 'A';
// Held: down; just pressed: down and pressed since the last query; pressed only: released before the query.
constexpr std::uint16_t kUp = 0x0000, kHeld = 0x8000, kJustPressed = 0x8001, kPressedOnly = 0x0001;

// The engine with a keyboard whose key states the test sets (a key not
// named is up), and which remembers every key asked about.
class HotKeysTest : public EngineFixture, public Keyboard {
protected:
    void SetUp() override {
        StartUp();
        s().keyboard = this;
        s().settings = {.statusHotKey = kKeyS, .clearHotKey = kKeyC, .activeHotKey = kKeyA};
        Log();
    }
    std::uint16_t KeyState(int key) override { return queries.push_back(key), states.contains(key) ? states[key] : 0; }

    std::map<int, std::uint16_t> states;
    std::vector<int> queries;
};

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
    s().settings.clearHotKey = 0;
    for (const auto& row : rows) {
        s().settings.activeHotKeyMods = row.mods;
        const std::vector<int> asked{kKeyS, kKeyA, row.first, kCtrl + kShift - row.first};
        for (std::uint16_t key : {kPressedOnly, kHeld})
            for (std::uint16_t ctrl : modifierStates)
                for (std::uint16_t shift : modifierStates) {
                    SCOPED_TRACE(::testing::Message() << row.mods << ':' << key << ',' << ctrl << ',' << shift);
                    states = {{kKeyA, key}, {kCtrl, ctrl}, {kShift, shift}, {kAlt, kHeld}};
                    queries.clear();
                    const FiringHotKeys firing = PollHotKeys(s().settings, *this);
                    EXPECT_EQ(firing, (FiringHotKeys{false, false, key == kHeld && ctrl == row.ctrl && shift == row.shift}));
                    // A main key that is not down: nothing else is asked for it.
                    EXPECT_EQ(queries, key == kHeld ? asked : (std::vector<int>{kKeyS, kKeyA}));
                }
    }
}

// Each hot key runs its own action, all three in the fixed order, but the
// in-flight lock stops clearing and activating. Held on, they act again at
// the next poll: the status is sent again, unchanged and with DisplayUpdate
// off. Clearing the newest failure keeps every schedule as drawn.
TEST_F(HotKeysTest, AllThreeActInTheFixedOrderAndTheInFlightLockLeavesOnlyTheStatus) {
    states = {{kKeyC, kHeld}};
    RunHotKeys(s());  // nothing failed: clearing does nothing, not even sound

    Fail(kApMaster);
    Fail(kTankLeft);
    C(kRudder).scheduledRoll = 777;  // a drawing of the schedules would change it
    states = {{kKeyS, kHeld}, {kKeyC, kHeld}, {kKeyA, kHeld}};
    s().settings.hardcoreMode = s().airborne = true;
    RunHotKeys(s());
    const std::string status = "[On hold (not airborne).] 3380=\"Wendox:  On hold (not airborne).\" 32FA/2=5";
    EXPECT_EQ(Log(), status);
    s().airborne = false;
    RunHotKeys(s());
    EXPECT_EQ(Log(), status + " refill \\sound_ok.wav \\sound_warning.wav");
    EXPECT_TRUE(C(kApMaster).failed && !C(kTankLeft).failed);  // the newest goes
    EXPECT_EQ(C(kRudder).scheduledRoll, 777);
    RunHotKeys(s());
    EXPECT_EQ(Log(), status + " refill \\sound_ok.wav \\sound_ok.wav");
}

}  // namespace
}  // namespace wendox::testing
