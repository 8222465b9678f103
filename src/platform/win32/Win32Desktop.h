// The engine's desktop, made of real Win32 calls.
#pragma once

#include <windows.h>

#include <string>

#include "engine/Desktop.h"

namespace wendox {

inline constexpr char kMessageTitle[] = "Wendox";

class Win32Desktop final : public Desktop {
public:
    Win32Desktop();
    // Message boxes are owned by this window once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

    float SecondsSinceMidnight() override;
    const std::string& ProgramFolder() override { return folder_; }
    char DecimalSeparator() override { return separator_; }
    bool IsOrdinaryFile(const std::string& path) override;
    void PlaySoundFile(const std::string& path) override;
    void ShowMessage(const std::string& text, bool exclamation) override;

private:
    std::string folder_;
    char separator_ = '.';
    HWND owner_ = nullptr;
};

// The folder that holds the running program, without a trailing backslash.
std::string RunningProgramFolder();

}  // namespace wendox
