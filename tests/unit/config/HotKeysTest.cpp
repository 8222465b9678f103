#include "config/HotKeys.h"
#include "config/Keyboard.h"

#include <map>
#include <string>
#include <vector>

#include "engine/EngineFixture.h"
#include "engine/StatusReport.h"
#include "link/SimVariables.h"

namespace wendox::testing {
namespace {

// Key states set by the test (a key not named is up); remembers every key asked about.
struct FakeKeyboard final : Keyboard {
    std::map<int, std::uint16_t> states;
    std::vector<int> queries;
    std::uint16_t KeyState(int key) override { return queries.push_back(key), states.contains(key) ? states[key] : 0; }
};

constexpr int kShift = kVirtualKeyShift, kCtrl = kVirtualKeyControl, kAlt = 18, kKeyS = 'S', kKeyC = 'C', kKeyA = 'A';
// Held: down; just pressed: down and pressed since the last query; pressed only: released before the query.
constexpr std::uint16_t kUp = 0x0000, kHeld = 0x8000, kJustPressed = 0x8001, kPressedOnly = 0x0001;

class HotKeysTest : public EngineFixture {
protected:
    void SetUp() override {
        StartUp();
        s().keyboard = &keyboard;
        s().settings = {.statusHotKey = kKeyS, .clearHotKey = kKeyC, .activeHotKey = kKeyA};
        server.ClearWrites();
        desktop.played.clear();
    }
    void Poll() { PollHotKeys(s()); }
    std::size_t MessagesSent() { return NewWrites(simvar::MessageText).size(); }

    FakeKeyboard keyboard;
};

// For every modifier code, the one way of holding CTRL and SHIFT that acts,
// against every state each of them may have, and the order of the queries.
TEST_F(HotKeysTest, ModifierCodeWantsExactlyItsCtrlAndShiftAndQueriesThemOnceEach) {
    const struct { std::int32_t mods; std::uint16_t ctrl, shift; bool ctrlFirst; } rows[] = {
        {0, kUp, kUp, false}, {1, kJustPressed, kUp, false}, {2, kUp, kJustPressed, true},
        {3, kJustPressed, kJustPressed, false}, {5, kUp, kUp, false},  // only an edited file holds 5: like 0
    };
    const std::uint16_t modifierStates[] = {kUp, kJustPressed, kPressedOnly};
    s().settings.clearHotKey = 0;   // never asked about
    keyboard.states[kAlt] = kHeld;  // never looked at; the status key is up

    for (const auto& row : rows) {
        s().settings.activeHotKeyMods = row.mods;
        const auto queries = row.ctrlFirst ? std::vector<int>{kKeyS, kKeyA, kCtrl, kShift}
                                           : std::vector<int>{kKeyS, kKeyA, kShift, kCtrl};
        for (std::uint16_t key : {kPressedOnly, kHeld})
            for (std::uint16_t ctrl : modifierStates)
                for (std::uint16_t shift : modifierStates) {
                    SCOPED_TRACE(::testing::Message() << "mods " << row.mods << std::hex << ", key 0x" << key
                                                      << ", CTRL 0x" << ctrl << ", SHIFT 0x" << shift);
                    keyboard.states[kKeyA] = key;
                    keyboard.states[kCtrl] = ctrl;
                    keyboard.states[kShift] = shift;
                    keyboard.queries.clear();
                    s().deactivated = false;
                    Poll();
                    EXPECT_EQ(s().deactivated, key == kHeld && ctrl == row.ctrl && shift == row.shift);
                    // A main key that is not down: nothing else is asked for it.
                    EXPECT_EQ(keyboard.queries, key == kHeld ? queries : (std::vector<int>{kKeyS, kKeyA}));
                }
    }
}

// Each hot key runs its own action, all three in the fixed order, but the
// in-flight lock stops clearing and activating. Held on, they act again at
// the next poll: the status is sent again, unchanged and with DisplayUpdate off.
TEST_F(HotKeysTest, AllThreeActInTheFixedOrderAndTheInFlightLockLeavesOnlyTheStatus) {
    keyboard.states = {{kKeyC, kHeld}};
    Poll();  // nothing failed: clearing does nothing at all
    EXPECT_TRUE(desktop.played.empty());

    Fail(kApMaster);
    Fail(kTankLeft);
    keyboard.states = {{kKeyS, kHeld}, {kKeyC, kHeld}, {kKeyA, kHeld}};
    s().settings.hardcoreMode = s().airborne = true;
    Poll();
    EXPECT_EQ(MessagesSent(), 1u);
    EXPECT_TRUE(desktop.played.empty());
    EXPECT_EQ(s().failed.count, 2);
    EXPECT_FALSE(s().deactivated);

    s().airborne = false;
    keyboard.queries.clear();
    Poll();
    EXPECT_EQ(keyboard.queries, (std::vector<int>{kKeyS, kShift, kCtrl, kKeyC, kShift, kCtrl, kKeyA, kShift, kCtrl}));
    EXPECT_EQ(MessagesSent(), 1u);
    EXPECT_EQ(desktop.played, (std::vector<std::string>{kSoundOk, kSoundWarning}));
    EXPECT_FALSE(C(kTankLeft).failed);  // the newest goes
    EXPECT_TRUE(C(kApMaster).failed);
    EXPECT_TRUE(s().deactivated);

    Poll();
    EXPECT_EQ(MessagesSent(), 1u);
    EXPECT_EQ(desktop.played, (std::vector<std::string>{kSoundOk, kSoundWarning, kSoundOk, kSoundOk}));
    EXPECT_EQ(s().failed.count, 0);
    EXPECT_FALSE(s().deactivated);
}

}  // namespace
}  // namespace wendox::testing
