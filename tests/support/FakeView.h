// A main window that only remembers what the engine asked of it; the event
// log gets "systems", "timer", "refill" and each status as "[text]".
#pragma once

#include <functional>
#include <string>

#include "engine/EngineView.h"
#include "support/EventLog.h"

namespace wendox::testing {

class FakeView final : public EngineView {
public:
    bool listVisible = true;
    std::string profileCaption = "Sub-systems";
    std::function<void()> onClose;  // what closing the real window runs
    std::string* log = nullptr;

    void FillSystems() override { LogEvent(log, "systems"); }
    void RefillComponents() override { LogEvent(log, "refill"); }
    void SetStatusCaption(const std::string& text) override { LogEvent(log, "[" + text + "]"); }
    bool ComponentListVisible() override { return listVisible; }
    void SetComponentListVisible(bool visible) override { listVisible = visible; }
    void StartTimer() override { LogEvent(log, "timer"); }
    void SetProfileCaption(const std::string& text) override { profileCaption = text; }
    void CloseMainWindow() override {
        if (onClose) onClose();
    }
};

}  // namespace wendox::testing
