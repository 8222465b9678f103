// Hardcore Mode's two programs finding and starting each other with the
// real calls: FindWindowA by class and caption, ShellExecuteA "Open" on a
// program in the running program's folder.
#pragma once

#include <windows.h>

#include "hardcore/Companions.h"

namespace wendox {

class Win32Companions final : public Companions {
public:
    // Messages carry `title`; starts and messages are owned by the window
    // given to SetOwner, once there is one.
    explicit Win32Companions(const char* title) : title_(title) {}
    void SetOwner(HWND owner) { owner_ = owner; }

    bool WindowExists(const char* caption) override;
    bool StartProgram(const char* program, ShowState show) override;
    void ShowMessage(const char* text) override;

private:
    const char* title_;
    HWND owner_ = nullptr;
};

}  // namespace wendox
