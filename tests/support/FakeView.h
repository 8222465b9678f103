// A main window that only remembers what the engine asked of it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/EngineView.h"

namespace wendox::testing {

class FakeView final : public EngineView {
public:
    std::vector<std::string> captions;  // every status shown, in order
    int systemsFilled = 0;
    int refills = 0;
    bool listVisible = true;
    bool timerStarted = false;
    std::string profileCaption = "Sub-systems";
    int closes = 0;
    std::function<void()> onClose;  // what closing the real window runs

    void FillSystems() override { ++systemsFilled; }
    void RefillComponents() override { ++refills; }
    void SetStatusCaption(const std::string& text) override { captions.push_back(text); }
    bool ComponentListVisible() override { return listVisible; }
    void SetComponentListVisible(bool visible) override { listVisible = visible; }
    void StartTimer() override { timerStarted = true; }
    void SetProfileCaption(const std::string& text) override { profileCaption = text; }
    void CloseMainWindow() override {
        ++closes;
        if (onClose) onClose();
    }
};

}  // namespace wendox::testing
