#include "monitor/UserFiles.h"

#include "config/Profile.h"
#include "config/SettingsFile.h"
#include "engine/Schedule.h"

namespace wendox {

namespace {

constexpr char kFileWord[] = " file";

}  // namespace

bool LoadSettingsFile(EngineState& s, WatchdogStarter& watchdog) {
    const std::string path = SettingsPath(s.desktop->ProgramFolder());
    const SettingsLoad load = LoadSettings(path, *s.files, s.settings, watchdog);
    if (load == SettingsLoad::EndProgram) return false;
    // Only a file that is there counts as unreadable: without one every
    // setting keeps its default and nothing is said. The desktop is asked
    // only when the read fell short, so an ordinary start costs one open.
    s.settingsFile.unreadable = load == SettingsLoad::FellShort && s.desktop->IsOrdinaryFile(path);
    if (s.settingsFile.unreadable) s.desktop->ShowMessage(kCouldNotRead + path + kFileWord, true);
    return true;
}

void SaveSettingsFile(EngineState& s) {
    const std::string path = SettingsPath(s.desktop->ProgramFolder());
    if (!SaveSettings(path, *s.files, s.settings, s.settingsFile))
        s.desktop->ShowMessage(kCouldNotWrite + path + kFileWord, true);
}

void OpenProfile(EngineState& s) {
    const std::string path = s.settings.lastProfile;
    if (ReadProfile(path, *s.files, s.catalogue, s.desktop->DecimalSeparator())) {
        s.view->SetProfileCaption(ProfileCaptionFor(path));
    } else {
        s.desktop->ShowMessage(kCouldNotRead + path, true);
        s.settings.lastProfile.clear();
    }
    // The values of the lines taken are in force either way: the list and
    // the schedules must show them.
    RefreshComponents(s, false);
}

void SaveProfile(EngineState& s) {
    const std::string& path = s.settings.lastProfile;
    if (WriteProfile(path, *s.files, s.catalogue, s.desktop->DecimalSeparator()))
        s.view->SetProfileCaption(ProfileCaptionFor(path));
    else
        s.desktop->ShowMessage(kCouldNotWrite + path, true);
}

}  // namespace wendox
