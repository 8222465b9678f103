// The main window frmMain: the systems list, the components list with its
// lamps, the buttons and the status line, built from code. It is the
// engine's view and the host of the main window's handlers; the tick timer
// drives the engine.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "engine/EngineState.h"
#include "engine/EngineView.h"
#include "ui/model/ComponentRows.h"
#include "ui/model/MainWindowActions.h"
#include "ui/win32/WindowKit.h"

namespace wendox::ui {

class MainWindow final : public EngineView, public MainWindowHost {
public:
    MainWindow();
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window (not shown yet) with every control.
    bool Create();
    // The engine the window shows and drives; set before the start-up runs.
    void Attach(EngineState& engine) { engine_ = &engine; }
    HWND Window() const { return window_; }
    // Shows the window with the keyboard focus on the systems list, first
    // in the tab order.
    void Show(int how);

    // EngineView
    void FillSystems() override;
    void RefillComponents() override;
    void SetStatusCaption(const std::string& text) override;
    bool ComponentListVisible() override;
    void SetComponentListVisible(bool visible) override;
    void StartTimer() override;
    void SetProfileCaption(const std::string& text) override;
    void CloseMainWindow() override;

    // MainWindowHost
    int SelectedSystem() override;
    int SelectedComponentRow() override;
    std::string ComponentRowText(int row) override;
    void ShowReliabilityDialog(const std::string& caption, bool showTestAndClear, DialogValues& values) override;
    std::optional<std::string> ChooseProfile(bool forSaving) override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls();
    void OnCommand(int id, int code);
    LRESULT OnNotify(const NMHDR& header);
    // lstSystems_Click: the components of the selected system, first row selected.
    void FillComponentList();
    // Brings the list to the rows of the selected system as they are now:
    // refilled for another system, only the changed rows written for the
    // same one, untouched when nothing it shows changed.
    void UpdateComponentList();
    // Selects row (from 1) where the list has it.
    void SelectComponentRow(int row);
    void PaintBackground(HDC dc);
    // Form_QueryUnload, then Form_Unload (the settings saved), once: the
    // timer stops first, so no tick runs while the window goes.
    void Unload();

    HWND window_ = nullptr;
    HWND systems_ = nullptr;
    HWND components_ = nullptr;
    HWND setSystem_ = nullptr;
    HWND subSystemsLabel_ = nullptr;
    HWND statusFrame_ = nullptr;
    HWND status_ = nullptr;
    HWND notice_[8] = {};
    HWND focus_ = nullptr;        // the control to give the focus back to
    bool unloaded_ = false;
    int dpi_ = 96;
    FontSet fonts_;
    ColourTable colours_;
    HBRUSH greyBrush_ = nullptr;
    HBRUSH greenBrush_ = nullptr;

    EngineState* engine_ = nullptr;
    MainWindowState state_;
    ShownComponentRows shown_;  // what the components list shows
    std::string lastProfilePath_;  // the file dialogs start from the last path chosen
};

}  // namespace wendox::ui
