#include "ui/model/MainWindowActions.h"

#include "engine/Failures.h"
#include "engine/NumberText.h"
#include "engine/Schedule.h"
#include "monitor/UserFiles.h"

namespace wendox {

namespace {

void Store(ComponentRecord& component, const DialogValues& values) {
    component.reliability = ThroughText(values.reliability);
    component.periodHours = ThroughText(values.hours);
}

void TestFailure(EngineState& s, int system, int row) {
    if (!s.connected) {
        s.desktop->ShowMessage(kNotConnectedMessage, false);
        return;
    }
    // A component already failed keeps its one entry.
    AddFailure(s, system, row);
    RefreshComponents(s, true);
}

}  // namespace

void lvwSubSystems_Click(EngineState& s, MainWindowHost& host, MainWindowState& window) {
    // The list is hidden under the lock; a key that still reaches it opens nothing.
    if (InFlightLock(s)) return;
    const int row = host.SelectedComponentRow();
    const int system = host.SelectedSystem();
    ComponentRecord* component = s.catalogue.Find(system, row);
    if (row < 1 || component == nullptr) return;
    window.selectedRow = row;

    window.dialog.reliability = component->reliability;
    window.dialog.hours = component->periodHours;
    const std::string caption =
        std::string(s.catalogue.systems[system - 1].caption) + " -" + host.ComponentRowText(row) + " Reliability";
    host.ShowReliabilityDialog(caption, true, window.dialog);
    // The aircraft may have taken off while the dialog was open.
    if (InFlightLock(s)) return;

    // Applied to the system and row chosen when the dialog opened.
    if (window.dialog.test) {
        TestFailure(s, system, row);
    } else if (window.dialog.clear) {
        ClearFailure(s, system, row);
        RefreshComponents(s, true);
    } else if (window.dialog.accepted) {
        Store(*component, window.dialog);
        RefreshComponents(s, false);
    }
}

void lvwSubSystems_KeyPress(EngineState& s, MainWindowHost& host, MainWindowState& window, int key) {
    if (key == 13 || key == 32) lvwSubSystems_Click(s, host, window);
}

void cmdSetSystemRel_Click(EngineState& s, MainWindowHost& host, MainWindowState& window) {
    if (InFlightLock(s)) return;
    const int system = host.SelectedSystem();
    if (system < 1 || system > kSystemCount) return;
    SystemRecord& record = s.catalogue.systems[system - 1];
    window.dialog.reliability = record.components[0].reliability;
    window.dialog.hours = record.components[0].periodHours;
    host.ShowReliabilityDialog(std::string(record.caption) + " Reliabilities", false, window.dialog);
    if (!window.dialog.accepted || InFlightLock(s)) return;
    for (int c = 0; c < record.componentCount; ++c) Store(record.components[c], window.dialog);
    RefreshComponents(s, false);
}

void cmdSetAllRel_Click(EngineState& s, MainWindowHost& host, MainWindowState& window) {
    if (InFlightLock(s)) return;
    window.dialog.reliability = 100.0f;
    window.dialog.hours = 1.0f;
    host.ShowReliabilityDialog(kAllReliabilitiesCaption, false, window.dialog);
    if (!window.dialog.accepted || InFlightLock(s)) return;
    s.catalogue.ForEach([&](int, int, ComponentRecord& c) { Store(c, window.dialog); });
    RefreshComponents(s, false);
}

void cmdClearFailures_Click(EngineState& s) { ClearAllFailures(s, false); }

void cmdOpen_Click(EngineState& s, MainWindowHost& host) {
    if (InFlightLock(s)) return;
    const auto path = host.ChooseProfile(false);
    if (!path || InFlightLock(s)) return;
    s.settings.lastProfile = *path;
    OpenProfile(s);
}

void cmdSaveAs_Click(EngineState& s, MainWindowHost& host) {
    const auto path = host.ChooseProfile(true);
    if (!path) return;
    s.settings.lastProfile = *path;
    SaveProfile(s);
}

int RowToSelect(int selectedRow, int rowCount) { return selectedRow >= 2 && selectedRow <= rowCount ? selectedRow : 1; }

}  // namespace wendox
