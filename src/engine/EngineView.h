// The parts of the main window the engine reaches.
#pragma once

#include <string>

namespace wendox {

class EngineView {
public:
    virtual ~EngineView() = default;

    // Fills the systems list and selects its first row, which fills the
    // components list.
    virtual void FillSystems() = 0;
    // Refills the components list for the selected system, keeping the
    // selected row where it still exists.
    virtual void RefillComponents() = 0;
    virtual void SetStatusCaption(const std::string& text) = 0;
    virtual bool ComponentListVisible() = 0;
    virtual void SetComponentListVisible(bool visible) = 0;
    // Switches on the timer that runs a tick every 1000 ms.
    virtual void StartTimer() = 0;
    // The caption above the components list ("Sub-systems (Trainer.wdp)").
    virtual void SetProfileCaption(const std::string& text) = 0;
    // Unloads the main window as its close command does (the hardcore step,
    // then the settings saved) and ends the program.
    virtual void CloseMainWindow() = 0;
};

}  // namespace wendox
