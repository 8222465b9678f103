#include "tools/failure-stats/FailureStats.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "engine/EngineState.h"
#include "engine/Failures.h"
#include "engine/NumberText.h"
#include "engine/Schedule.h"
#include "link/EchoLinkOs.h"

namespace wendox {

namespace {

// The time of day advances ten seconds a roll, wrapping at midnight.
class SimulatedDesktop final : public Desktop {
public:
    void NextRoll() { seconds_ = seconds_ + 10.0 >= 86400.0 ? seconds_ + 10.0 - 86400.0 : seconds_ + 10.0; }
    float SecondsSinceMidnight() override { return static_cast<float>(seconds_); }
    const std::string& ProgramFolder() override { return folder_; }
    char DecimalSeparator() override { return '.'; }
    bool IsOrdinaryFile(const std::string&) override { return false; }
    void PlaySoundFile(const std::string&) override {}
    void ShowMessage(const std::string&, bool) override {}

private:
    double seconds_ = 12345.0;
    std::string folder_;
};

class NoView final : public EngineView {
public:
    void FillSystems() override {}
    void RefillComponents() override {}
    void SetStatusCaption(const std::string&) override {}
    bool ComponentListVisible() override { return true; }
    void SetComponentListVisible(bool) override {}
    void StartTimer() override {}
    void SetProfileCaption(const std::string&) override {}
    void CloseMainWindow() override {}
};

// The engine with every component at the same reliability and period, its
// schedules drawn.
struct SimulatedEngine {
    SimulatedEngine(float reliability, float hours) {
        s.catalogue = BuildCatalogue();
        s.engineCount = 4;  // every component takes part
        s.catalogue.ForEach([&](int, int, ComponentRecord& c) {
            c.reliability = ThroughText(reliability);
            c.periodHours = ThroughText(hours);
        });
        ScheduleAllPeriods(s);
    }
    void Roll() {
        desktop.NextRoll();
        FailureRoll(s);
    }

    EchoLinkOs os;  // never opened: the roll and the clears queue nothing that is sent
    SimulatedDesktop desktop;
    NoView view;
    EngineState s{os, desktop, view};
};

}  // namespace

FailureOutcome MeasureFailures(float reliability, float hours, std::uint64_t wantedPeriods) {
    auto engine = std::make_unique<SimulatedEngine>(reliability, hours);
    EngineState& s = engine->s;

    FailureOutcome outcome;
    outcome.bandWidth = s.catalogue.Find(1, 1)->bandHigh - s.catalogue.Find(1, 1)->bandLow;
    std::vector<bool> failedThisPeriod(kSystemCount * kMaxComponentsPerSystem, false);
    while (outcome.periods < wantedPeriods) {
        engine->Roll();
        while (s.failed.count > 0) {
            const FailedEntry entry = s.failed.entries[0];
            failedThisPeriod[(entry.system - 1) * kMaxComponentsPerSystem + entry.component - 1] = true;
            ClearFailure(s, entry.system, entry.component);
        }
        s.catalogue.ForEach([&](int system, int component, ComponentRecord& c) {
            if (c.rollCount != 0) return;  // the period goes on
            const std::size_t slot = (system - 1) * kMaxComponentsPerSystem + component - 1;
            ++outcome.periods;
            outcome.failures += failedThisPeriod[slot];
            failedThisPeriod[slot] = false;
        });
    }
    return outcome;
}

FlightOutcome FlyWithLimit(float reliability, float hours, std::int32_t maxFailures, std::uint64_t flightRolls,
                           std::uint64_t heldRolls) {
    auto engine = std::make_unique<SimulatedEngine>(reliability, hours);
    EngineState& s = engine->s;
    s.settings.maxFailures = maxFailures;
    FlightOutcome outcome;
    std::deque<std::uint64_t> cameOnRoll;  // of each failure in force, oldest first as in the failed list
    for (std::uint64_t roll = 0; roll < flightRolls; ++roll) {
        engine->Roll();
        outcome.failures += static_cast<std::uint64_t>(s.failed.count) - cameOnRoll.size();
        cameOnRoll.resize(static_cast<std::size_t>(s.failed.count), roll);
        outcome.mostInForce = std::max(outcome.mostInForce, s.failed.count);
        while (!cameOnRoll.empty() && roll - cameOnRoll.front() + 1 >= heldRolls) {
            ClearFailure(s, s.failed.entries[0].system, s.failed.entries[0].component);
            cameOnRoll.pop_front();
        }
    }
    return outcome;
}

}  // namespace wendox
