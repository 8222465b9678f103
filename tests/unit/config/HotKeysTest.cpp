#include "config/HotKeys.h"

#include <string>
#include <vector>

#include "engine/EngineFixture.h"
#include "engine/StatusReport.h"
#include "link/SimVariables.h"
#include "support/FakeKeyboard.h"

namespace wendox::testing {
namespace {

constexpr int kShift = kVirtualKeyShift, kCtrl = kVirtualKeyControl, kAlt = 18;
constexpr int kKeyS = 'S', kKeyC = 'C', kKeyA = 'A';
constexpr std::uint16_t kUp = 0x0000, kHeld = 0x8000;
constexpr std::uint16_t kJustPressed = 0x8001;  // down, and pressed since the last query
constexpr std::uint16_t kPressedOnly = 0x0001;  // released again before the query

class HotKeysTest : public EngineFixture {
protected:
    void SetUp() override {
        StartUp();
        s().keyboard = &keyboard;
        s().settings.statusHotKey = kKeyS;
        s().settings.clearHotKey = kKeyC;
        s().settings.activeHotKey = kKeyA;
        server.ClearWrites();
        desktop.played.clear();
    }
    void Poll() { PollHotKeys(s()); }
    std::vector<std::string> MessagesSent() {
        std::vector<std::string> texts;
        for (const auto& w : server.WritesTo(simvar::MessageText))
            texts.emplace_back(reinterpret_cast<const char*>(w.bytes.data()));
        server.ClearWrites();
        return texts;
    }

    FakeKeyboard keyboard;
};

TEST_F(HotKeysTest, ModifierCodeWantsExactlyItsCtrlAndShiftAndQueriesThemOnceEach) {
    struct Row {
        std::int32_t mods;
        std::uint16_t ctrl, shift;  // the one way of holding them that acts
        bool ctrlFirst;
    };
    const Row rows[] = {
        {0, kUp, kUp, false},
        {1, kJustPressed, kUp, false},
        {2, kUp, kJustPressed, true},
        {3, kJustPressed, kJustPressed, false},
        {5, kUp, kUp, false},  // only an edited settings file holds it: like 0
        {6, kUp, kUp, false},
        {-1, kUp, kUp, false},
    };
    const std::uint16_t modifierStates[] = {kUp, kJustPressed, kPressedOnly};
    s().settings.statusHotKey = s().settings.clearHotKey = 0;  // never asked about
    keyboard.states[kAlt] = kHeld;                             // never looked at

    for (const Row& row : rows) {
        s().settings.activeHotKeyMods = row.mods;
        const auto expectedQueries =
            row.ctrlFirst ? std::vector<int>{kKeyA, kCtrl, kShift} : std::vector<int>{kKeyA, kShift, kCtrl};
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
                    // A main key that is not down: nothing else is asked.
                    EXPECT_EQ(keyboard.queries, key == kHeld ? expectedQueries : std::vector<int>{kKeyA});
                }
    }
}

TEST_F(HotKeysTest, EachHotKeyRunsItsOwnActionAndAllThreeRunInTheFixedOrder) {
    s().settings.statusHotKeyMods = 2;
    s().settings.clearHotKeyMods = 1;
    s().settings.activeHotKeyMods = 3;
    keyboard.states = {{kKeyS, kHeld}, {kKeyC, kHeld}, {kKeyA, kHeld}, {kCtrl, kHeld}, {kShift, kHeld}};
    s().keyboard = nullptr;
    Poll();
    EXPECT_TRUE(keyboard.queries.empty());
    s().keyboard = &keyboard;

    // Nothing failed: the clear hot key does nothing at all.
    keyboard.states = {{kKeyC, kHeld}, {kCtrl, kHeld}};
    Poll();
    EXPECT_TRUE(desktop.played.empty());

    Fail(kApMaster);
    Fail(kTankLeft);
    keyboard.states = {{kKeyS, kHeld}, {kShift, kHeld}};
    Poll();
    EXPECT_EQ(MessagesSent().size(), 1u);
    EXPECT_TRUE(desktop.played.empty());
    EXPECT_EQ(s().failed.count, 2);

    keyboard.states = {{kKeyC, kHeld}, {kCtrl, kHeld}};
    Poll();
    EXPECT_EQ(desktop.played, std::vector<std::string>{kSoundOk});
    EXPECT_FALSE(C(kTankLeft).failed);  // the newest goes
    EXPECT_TRUE(C(kApMaster).failed);
    EXPECT_FALSE(s().deactivated);

    keyboard.states = {{kKeyA, kHeld}, {kCtrl, kHeld}, {kShift, kHeld}};
    Poll();
    EXPECT_EQ(desktop.played, (std::vector<std::string>{kSoundOk, kSoundWarning}));
    EXPECT_TRUE(s().deactivated);
    EXPECT_TRUE(C(kApMaster).failed);
    EXPECT_TRUE(MessagesSent().empty());

    // All three on the same keys held together: nine queries, status first,
    // then clear, then activate.
    s().settings.statusHotKeyMods = s().settings.clearHotKeyMods = s().settings.activeHotKeyMods = 0;
    s().deactivated = false;
    desktop.played.clear();
    keyboard.queries.clear();
    keyboard.states = {{kKeyS, kHeld}, {kKeyC, kHeld}, {kKeyA, kHeld}};
    Poll();
    EXPECT_EQ(keyboard.queries, (std::vector<int>{kKeyS, kShift, kCtrl, kKeyC, kShift, kCtrl, kKeyA, kShift, kCtrl}));
    EXPECT_EQ(MessagesSent().size(), 1u);
    EXPECT_EQ(desktop.played, (std::vector<std::string>{kSoundOk, kSoundWarning}));
    EXPECT_EQ(s().failed.count, 0);
    EXPECT_TRUE(s().deactivated);
}

TEST_F(HotKeysTest, HeldThroughTwoPollsActsTwice) {
    s().settings.displayUpdate = false;
    s().settings.clearHotKey = 0;
    keyboard.states = {{kKeyS, kHeld}, {kKeyA, kHeld}};
    const std::string status = "Wendox:  " + Status();
    Poll();
    EXPECT_TRUE(s().deactivated);
    Poll();
    EXPECT_FALSE(s().deactivated);
    EXPECT_EQ(desktop.played, (std::vector<std::string>{kSoundWarning, kSoundOk}));
    // Sent although unchanged and although DisplayUpdate is off.
    EXPECT_EQ(MessagesSent(), (std::vector<std::string>{status, status}));
}

TEST_F(HotKeysTest, InFlightLockStopsClearAndActivateButNotStatus) {
    s().settings.hardcoreMode = true;
    s().airborne = true;
    Fail(kApMaster);
    keyboard.states = {{kKeyS, kHeld}, {kKeyC, kHeld}, {kKeyA, kHeld}};
    Poll();
    EXPECT_EQ(MessagesSent().size(), 1u);
    EXPECT_TRUE(desktop.played.empty());
    EXPECT_TRUE(C(kApMaster).failed);
    EXPECT_FALSE(s().deactivated);
}

}  // namespace
}  // namespace wendox::testing
