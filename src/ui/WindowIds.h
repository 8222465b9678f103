// Window classes, captions and control ids of Wendox's windows, shared by
// the program and the end-to-end tests that drive it.
#pragma once

#include "hardcore/Companions.h"

namespace wendox::ui {

// The watchdog finds the main window by these, so they never change.
inline constexpr const char* kMainWindowClass = kProgramWindowClass;
inline constexpr const char* kMainWindowCaption = kWendoxCaption;

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

// The options dialog.
inline constexpr char kOptionsDialogClass[] = "WendoxOptionsDialog";
inline constexpr char kOptionsDialogCaption[] = "Help";
inline constexpr int kIdHelp = 301;            // cmdContents
inline constexpr int kIdSettings = 302;        // cmdSettings
inline constexpr int kIdOptionsCancel = 303;   // cmdCancel
inline constexpr int kIdVersion = 304;         // lblVersion

// The settings dialog.
inline constexpr char kSettingsDialogClass[] = "WendoxSettingsDialog";
inline constexpr char kSettingsDialogCaption[] = "Settings";
inline constexpr int kIdDisplayStatus = 401;     // chkDisplayStatus
inline constexpr int kIdDisplayFailures = 402;   // chkDisplayFailures
inline constexpr int kIdPlayFailureSound = 403;  // chkPlayFailureSound
inline constexpr int kIdHardcoreMode = 404;      // chkHardcoreMode
inline constexpr int kIdStatusKey = 405;         // cboStatus
inline constexpr int kIdStatusCtrl = 406;        // chkStatusCTRL
inline constexpr int kIdStatusShift = 407;       // chkStatusSHIFT
inline constexpr int kIdClearKey = 408;          // cboClear
inline constexpr int kIdClearCtrl = 409;         // chkClearCTRL
inline constexpr int kIdClearShift = 410;        // chkClearSHIFT
inline constexpr int kIdActiveKey = 411;         // cboActive
inline constexpr int kIdActiveCtrl = 412;        // ChkActiveCTRL
inline constexpr int kIdActiveShift = 413;       // chkActiveSHIFT
inline constexpr int kIdSettingsOk = 414;        // cmdOK
inline constexpr int kIdSettingsCancel = 415;    // cmdCancel
inline constexpr int kIdMaxFailures = 416;       // cboMaxFailures

}  // namespace wendox::ui
