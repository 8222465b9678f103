// How Hardcore Mode's two programs, Wendox and its watchdog, see and start
// each other: only by their main windows' class and caption, and through
// the shell from their own folder.
#pragma once

namespace wendox {

inline constexpr char kProgramWindowClass[] = "ThunderRT6FormDC";
inline constexpr char kWendoxCaption[] = "FS2002 Wendox";
inline constexpr char kWatchdogCaption[] = "WendoxHC";
inline constexpr char kWendoxProgram[] = "\\wendox.exe";
inline constexpr char kWatchdogProgram[] = "\\wendoxhc.exe";

// The show state the started program is asked for.
enum class ShowState { Normal = 1, Minimized = 2 };

class Companions {
public:
    virtual ~Companions() = default;
    // A top-level window of class "ThunderRT6FormDC" with this caption exists.
    virtual bool WindowExists(const char* caption) = 0;
    // Asks the shell to "Open" the program's own folder followed by
    // `program`, owned by this program's window, without parameters or a
    // working directory. True when the shell's result is above 32.
    virtual bool StartProgram(const char* program, ShowState show) = 0;
    // A modal message box with an OK button and no icon.
    virtual void ShowMessage(const char* text) = 0;
};

}  // namespace wendox
