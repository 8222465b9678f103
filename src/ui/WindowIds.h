// Window classes, captions and control ids of Wendox's windows, shared by
// the program and the end-to-end tests that drive it.
#pragma once

namespace wendox::ui {

inline constexpr char kMainWindowClass[] = "ThunderRT6FormDC";
inline constexpr char kMainWindowCaption[] = "FS2002 Wendox";

// Main window controls.
inline constexpr int kIdSystems = 101;          // lstSystems
inline constexpr int kIdSetAll = 102;           // cmdSetAllRel
inline constexpr int kIdSetSystem = 103;        // cmdSetSystemRel
inline constexpr int kIdClearFailures = 104;    // cmdClearFailures
inline constexpr int kIdSaveProfile = 105;      // cmdSaveAs
inline constexpr int kIdOpenProfile = 106;      // cmdOpen
inline constexpr int kIdOptions = 107;          // cmdOptions
inline constexpr int kIdSubSystemsLabel = 108;  // lblSubSystems
inline constexpr int kIdComponents = 109;       // lvwSubSystems
inline constexpr int kIdStatusFrame = 110;      // Frame1
inline constexpr int kIdStatus = 111;           // lblStatus
inline constexpr int kIdSystemsLabel = 112;     // Label2
inline constexpr int kIdNoticeFirst = 120;      // the eight labels of the hardcore notice
inline constexpr unsigned kTickTimerId = 1;     // tmrTimer

// The reliability dialog.
inline constexpr char kReliabilityDialogClass[] = "WendoxReliabilityDialog";
inline constexpr int kIdRelLeft = 201;   // cboRelLeft
inline constexpr int kIdRelRight = 202;  // cboRelRight
inline constexpr int kIdHours = 203;     // cboHours
inline constexpr int kIdAccept = 204;    // cmdAccept
inline constexpr int kIdTest = 205;      // cmdTest
inline constexpr int kIdCancel = 206;    // cmdCancel
inline constexpr int kIdClear = 207;     // cmdClear

}  // namespace wendox::ui
