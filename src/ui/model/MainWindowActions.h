// What the main window's buttons and components list do, apart from drawing:
// open the reliability dialog in its three forms and apply its result, clear
// all failures, open and save profiles.
#pragma once

#include <optional>
#include <string>

#include "engine/EngineState.h"
#include "ui/model/DialogValues.h"

namespace wendox {

inline constexpr char kNotConnectedMessage[] =
    "You'll need to have Flight Simulator 2002 running first and you'll also need the fsuipc module installed.";
inline constexpr char kAllReliabilitiesCaption[] = "All Reliabilities";

// What the handlers need of the real window.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    virtual int SelectedSystem() = 0;        // position in the systems list, from 1
    virtual int SelectedComponentRow() = 0;  // from 1; 0 when no row is selected
    virtual std::string ComponentRowText(int row) = 0;
    // Shows the dialog modally; returns when it has closed.
    virtual void ShowReliabilityDialog(const std::string& caption, bool showTestAndClear,
                                       DialogValues& values) = 0;
    // The path chosen in the Open or Save dialog; nothing when cancelled.
    virtual std::optional<std::string> ChooseProfile(bool forSaving) = 0;
};

struct MainWindowState {
    int selectedRow = 0;  // the component last opened in the dialog; 0 until then
    DialogValues dialog;
};

void lvwSubSystems_Click(EngineState& s, MainWindowHost& host, MainWindowState& window);
// Enter (13) and Space (32) do what a click does.
void lvwSubSystems_KeyPress(EngineState& s, MainWindowHost& host, MainWindowState& window, int key);
void cmdSetSystemRel_Click(EngineState& s, MainWindowHost& host, MainWindowState& window);
void cmdSetAllRel_Click(EngineState& s, MainWindowHost& host, MainWindowState& window);
void cmdClearFailures_Click(EngineState& s);
// Profiles are read and written through the engine's file store.
void cmdOpen_Click(EngineState& s, MainWindowHost& host);
void cmdSaveAs_Click(EngineState& s, MainWindowHost& host);

// The row to select after the list was refilled: SelectedRow where it
// exists, else the first.
int RowToSelect(int selectedRow, int rowCount);

}  // namespace wendox
