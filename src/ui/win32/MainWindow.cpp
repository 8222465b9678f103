#include "ui/win32/MainWindow.h"

#include <commdlg.h>

#include <array>

#include "hardcore/MainHardcore.h"
#include "monitor/FlightMonitor.h"
#include "monitor/UserFiles.h"
#include "platform/win32/LateBinding.h"
#include "ui/WindowIds.h"
#include "ui/model/ComponentRows.h"
#include "ui/win32/Lamps.h"
#include "ui/win32/OptionsDialog.h"
#include "ui/win32/ReliabilityDialog.h"

namespace wendox::ui {

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX;
constexpr int kClientWidth = 6735;
constexpr int kClientHeight = 7335;
constexpr TwipsRect kFramePlace{120, 6600, 6495, 615};
constexpr char kProfileFilter[] = "FS2002 Wendox Profile (*.wdp)\0*.wdp\0";

struct ColumnSpec {
    const char* title;
    int widthTwips;
};
constexpr std::array<ColumnSpec, 4> kColumns{{{"Component", 2200}, {"Reliability", 1100}, {"Based on", 2200},
                                              {"Failed", 800}}};

struct NoticeLabel {
    const char* text;
    TwipsRect place;
    double points;
};
// Beneath the components list: seen only while the list is hidden in flight.
constexpr std::array<NoticeLabel, 8> kNotice{{
    {"Hardcore Mode ON.", {2160, 2760, 3255, 375}, 12},
    {"The following options are not available while airborne:", {240, 3360, 6375, 375}, 12},
    {"Sub-systems display", {2400, 3840, 2895, 255}, 9.75},
    {"Reliability setting", {2400, 4200, 2895, 255}, 9.75},
    {"Failure clearing", {2400, 4560, 2775, 255}, 9.75},
    {"Failure displaying", {2400, 4920, 2775, 255}, 9.75},
    {"Profile opening", {2400, 5280, 2895, 255}, 9.75},
    {"Deactivating", {2400, 5640, 2895, 255}, 9.75},
}};

void SetItemText(HWND list, int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
}

// A row's lamp and texts, inserted as a new row (LVM_INSERTITEMA) or written
// over the one there (LVM_SETITEMA).
void WriteRow(HWND list, int index, const ComponentRow& row, UINT how) {
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = index;
    item.pszText = const_cast<char*>(row.text.c_str());
    item.iImage = static_cast<int>(row.lamp) - 1;
    SendMessageA(list, how, 0, reinterpret_cast<LPARAM>(&item));
    SetItemText(list, index, 1, row.reliability);
    SetItemText(list, index, 2, row.basedOn);
    SetItemText(list, index, 3, row.failed);
}

}  // namespace

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() {
    if (greyBrush_ != nullptr) DeleteObject(greyBrush_);
    if (greenBrush_ != nullptr) DeleteObject(greenBrush_);
}

bool MainWindow::Create() {
    greyBrush_ = CreateSolidBrush(kWindowGrey);
    greenBrush_ = CreateSolidBrush(kDarkGreen);
    if (!RegisterWindowClass(kMainWindowClass, Procedure, greyBrush_)) return false;

    window_ = CreateWindowExA(0, kMainWindowClass, kMainWindowCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 100,
                              100, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (window_ == nullptr) return false;
    dpi_ = WindowDpi(window_);
    const SIZE size = WindowSizeForClient(kStyle, 0, kClientWidth, kClientHeight, dpi_);
    SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    CentreOnScreen(window_);
    CreateControls();
    return true;
}

void MainWindow::Show(int how) {
    ShowWindow(window_, how);
    SetFocus(systems_);
}

void MainWindow::CreateControls() {
    const int d = dpi_;
    HFONT arial = fonts_.Make("Arial", 8.25, false, false, d);
    HFONT arialBold = fonts_.Make("Arial", 8.25, true, false, d);
    HFONT arialBold9 = fonts_.Make("Arial", 9, true, false, d);

    HWND label = MakeControl(window_, "STATIC", "Systems", 0, 0, {120, 120, 735, 255}, kIdSystemsLabel, d, arialBold);
    colours_.SetTransparent(label, kWhite, kWindowGrey);

    // Created in tab order: the systems, the components, then the buttons.
    systems_ = MakeControl(window_, "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           WS_EX_CLIENTEDGE, {120, 360, 1695, 1635}, kIdSystems, d, arialBold9);
    colours_.Set(systems_, kBrightGreen, kDarkGreen);

    components_ = MakeControl(window_, WC_LISTVIEWA, "",
                              WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE,
                              {120, 2400, 6495, 3975}, kIdComponents, d, arialBold);
    // The list destroys its image list with itself.
    SendMessageA(components_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(MakeLampImages()));
    SendMessageA(components_, LVM_SETTEXTCOLOR, 0, kBrightGreen);
    SendMessageA(components_, LVM_SETTEXTBKCOLOR, 0, kDarkGreen);
    SendMessageA(components_, LVM_SETBKCOLOR, 0, kDarkGreen);
    for (int i = 0; i < static_cast<int>(kColumns.size()); ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(kColumns[i].title);
        column.cx = TwipsToPixels(kColumns[i].widthTwips, d);
        column.iSubItem = i;
        SendMessageA(components_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }

    constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;
    MakeControl(window_, "BUTTON", "Set &All Reliabilities", kButton, 0, {2040, 360, 2775, 375}, kIdSetAll, d, arial);
    setSystem_ = MakeControl(window_, "BUTTON", "Set System &Reliabilities", kButton, 0, {2040, 960, 2775, 375},
                             kIdSetSystem, d, arial);
    MakeControl(window_, "BUTTON", "&Clear All Failures", kButton, 0, {2040, 1560, 2775, 375}, kIdClearFailures, d,
                arial);
    MakeControl(window_, "BUTTON", "&Save Profile", kButton, 0, {5040, 360, 1575, 375}, kIdSaveProfile, d, arial);
    MakeControl(window_, "BUTTON", "&Open Profile", kButton, 0, {5040, 960, 1575, 375}, kIdOpenProfile, d, arial);
    MakeControl(window_, "BUTTON", "O&ptions", kButton, 0, {5040, 1560, 1575, 375}, kIdOptions, d, arial);

    // A profile's file name may hold "&": shown as it is, not as an access key.
    subSystemsLabel_ = MakeControl(window_, "STATIC", "Sub-systems", SS_NOPREFIX, 0, {120, 2160, 2415, 255}, kIdSubSystemsLabel,
                                   d, arialBold);
    colours_.SetTransparent(subSystemsLabel_, kWhite, kWindowGrey);

    statusFrame_ = MakeControl(window_, "BUTTON", "Status", BS_GROUPBOX, 0, kFramePlace, kIdStatusFrame, d, arialBold);
    colours_.Set(statusFrame_, kWhite, kDarkGreen);
    status_ = MakeControl(window_, "STATIC", "Status", SS_LEFTNOWORDWRAP | SS_NOPREFIX,
                          0, {kFramePlace.left + 120, kFramePlace.top + 240, 6255, 255}, kIdStatus, d, arial);
    colours_.Set(status_, kBrightGreen, kDarkGreen);

    for (int i = 0; i < static_cast<int>(kNotice.size()); ++i) {
        HFONT font = fonts_.Make("Arial", kNotice[i].points, true, true, d);
        notice_[i] = MakeControl(window_, "STATIC", kNotice[i].text, 0, 0, kNotice[i].place, kIdNoticeFirst + i, d, font);
        colours_.SetTransparent(notice_[i], kDarkGreen, kWindowGrey);
        ShowWindow(notice_[i], SW_HIDE);
    }
}

// EngineView ----------------------------------------------------------------

void MainWindow::FillSystems() {
    SendMessageA(systems_, LB_RESETCONTENT, 0, 0);
    for (const SystemRecord& system : engine_->catalogue.systems)
        SendMessageA(systems_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(system.caption).c_str()));
    SendMessageA(systems_, LB_SETCURSEL, 0, 0);
    FillComponentList();
}

void MainWindow::FillComponentList() {
    shown_.Forget();
    UpdateComponentList();
    SelectComponentRow(1);
}

void MainWindow::UpdateComponentList() {
    const int system = SelectedSystem();
    const ListUpdate update = shown_.Take(engine_->catalogue, system, engine_->desktop->DecimalSeparator());
    if (update == ListUpdate::None) return;
    const auto& rows = shown_.Rows();
    if (update == ListUpdate::Rows) {
        // Only the rows that changed are drawn again: no flash of the whole list.
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (shown_.Changed(i)) WriteRow(components_, static_cast<int>(i), rows[i], LVM_SETITEMA);
        return;
    }
    SendMessageA(components_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(components_, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < rows.size(); ++i) WriteRow(components_, static_cast<int>(i), rows[i], LVM_INSERTITEMA);
    SendMessageA(components_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(components_, nullptr, TRUE);
    SetWindowTextA(setSystem_, SetSystemButtonCaption(engine_->catalogue, system).c_str());
}

void MainWindow::SelectComponentRow(int row) {
    if (row < 1 || row > static_cast<int>(shown_.Rows().size())) return;
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(components_, LVM_SETITEMSTATE, row - 1, reinterpret_cast<LPARAM>(&state));
}

void MainWindow::RefillComponents() {
    UpdateComponentList();
    SelectComponentRow(RowToSelect(state_.selectedRow, static_cast<int>(shown_.Rows().size())));
}

void MainWindow::SetStatusCaption(const std::string& text) { SetWindowTextA(status_, text.c_str()); }

bool MainWindow::ComponentListVisible() { return IsWindowVisible(components_) != FALSE; }

void MainWindow::SetComponentListVisible(bool visible) {
    // A hidden list keeps no keyboard focus: it goes to the systems list.
    if (!visible && GetFocus() == components_) SetFocus(systems_);
    if (!visible && focus_ == components_) focus_ = systems_;
    ShowWindow(components_, visible ? SW_SHOW : SW_HIDE);
    for (HWND label : notice_) ShowWindow(label, visible ? SW_HIDE : SW_SHOW);
}

void MainWindow::StartTimer() { SetTimer(window_, kTickTimerId, 1000, nullptr); }

void MainWindow::SetProfileCaption(const std::string& text) { SetWindowTextA(subSystemsLabel_, text.c_str()); }

void MainWindow::CloseMainWindow() { SendMessageA(window_, WM_CLOSE, 0, 0); }

// MainWindowHost ------------------------------------------------------------

int MainWindow::SelectedSystem() {
    const LRESULT index = SendMessageA(systems_, LB_GETCURSEL, 0, 0);
    return index == LB_ERR ? 0 : static_cast<int>(index) + 1;
}

int MainWindow::SelectedComponentRow() {
    const LRESULT index = SendMessageA(components_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    return index < 0 ? 0 : static_cast<int>(index) + 1;
}

std::string MainWindow::ComponentRowText(int row) {
    char text[128] = {};
    LVITEMA item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(components_, LVM_GETITEMTEXTA, row - 1, reinterpret_cast<LPARAM>(&item));
    return text;
}

void MainWindow::ShowReliabilityDialog(const std::string& caption, bool showTestAndClear, DialogValues& values) {
    ui::ShowReliabilityDialog(window_, caption, showTestAndClear, engine_->desktop->DecimalSeparator(), values);
}

std::optional<std::string> MainWindow::ChooseProfile(bool forSaving) {
    char path[MAX_PATH] = {};
    lstrcpynA(path, lastProfilePath_.c_str(), MAX_PATH);
    OPENFILENAMEA request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = window_;
    request.lpstrFilter = kProfileFilter;
    request.nFilterIndex = 1;
    request.lpstrFile = path;
    request.nMaxFile = MAX_PATH;
    request.Flags = OFN_EXPLORER;
    using FileDialog = BOOL(WINAPI*)(LPOPENFILENAMEA);
    const auto show = LateBound<FileDialog>("comdlg32.dll", forSaving ? "GetSaveFileNameA" : "GetOpenFileNameA");
    const BOOL chosen = show != nullptr && show(&request);
    if (!chosen) return std::nullopt;
    lastProfilePath_ = path;
    return lastProfilePath_;
}

// Messages ------------------------------------------------------------------

void MainWindow::Unload() {
    if (engine_ == nullptr || unloaded_) return;
    unloaded_ = true;
    KillTimer(window_, kTickTimerId);
    Form_QueryUnload(*engine_);
    if (engine_->files != nullptr) SaveSettingsFile(*engine_);
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

void MainWindow::PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, greyBrush_);
    const RECT frame{TwipsToPixels(kFramePlace.left, dpi_), TwipsToPixels(kFramePlace.top, dpi_),
                     TwipsToPixels(kFramePlace.left + kFramePlace.width, dpi_),
                     TwipsToPixels(kFramePlace.top + kFramePlace.height, dpi_)};
    FillRect(dc, &frame, greenBrush_);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            if (HBRUSH brush = colours_.Answer(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
                return reinterpret_cast<LRESULT>(brush);
            break;
        case WM_ACTIVATE:
            // As a dialog does: the control that had the focus when another
            // window (a dialog, a message box) took it has it again after.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window_, focus)) focus_ = focus;
            }
            break;  // activating gives the window the focus, passed on below
        case WM_SETFOCUS:
            SetFocus(focus_ != nullptr && IsWindow(focus_) ? focus_ : systems_);
            return 0;
        case WM_TIMER:
            if (wParam == kTickTimerId && engine_ != nullptr) Tick(*engine_);
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_CLOSE:
            Unload();
            DestroyWindow(window_);
            return 0;
        case WM_ENDSESSION:
            // Windows ends with the session, without a close: the settings
            // are saved all the same.
            if (wParam != FALSE) Unload();
            return 0;
        case WM_DESTROY:
            KillTimer(window_, kTickTimerId);
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

void MainWindow::OnCommand(int id, int code) {
    if (engine_ == nullptr) return;
    switch (id) {
        case kIdSystems:
            if (code == LBN_SELCHANGE) FillComponentList();
            break;
        case kIdSetAll: cmdSetAllRel_Click(*engine_, *this, state_); break;
        case kIdSetSystem: cmdSetSystemRel_Click(*engine_, *this, state_); break;
        case kIdClearFailures: cmdClearFailures_Click(*engine_); break;
        case kIdSaveProfile: cmdSaveAs_Click(*engine_, *this); break;
        case kIdOpenProfile: cmdOpen_Click(*engine_, *this); break;
        case kIdOptions: ShowOptionsDialog(window_, *engine_); break;
        case IDOK:
            // Enter, as the window's message loop reports it: a key press in the list.
            if (GetFocus() == components_) lvwSubSystems_KeyPress(*engine_, *this, state_, 13);
            break;
        default: break;
    }
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
    if (header.hwndFrom != components_ || engine_ == nullptr) return 0;
    if (header.code == NM_CLICK) {
        lvwSubSystems_Click(*engine_, *this, state_);
    } else if (header.code == LVN_KEYDOWN) {
        const WORD key = reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey;
        if (key == VK_SPACE) lvwSubSystems_KeyPress(*engine_, *this, state_, 32);
        if (key == VK_RETURN) lvwSubSystems_KeyPress(*engine_, *this, state_, 13);
    }
    return 0;
}

}  // namespace wendox::ui
