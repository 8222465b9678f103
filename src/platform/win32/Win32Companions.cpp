#include "platform/win32/Win32Companions.h"

#include <shellapi.h>

#include <string>

#include "platform/win32/Win32Desktop.h"

namespace wendox {

bool Win32Companions::WindowExists(const char* caption) {
    return FindWindowA(kProgramWindowClass, caption) != nullptr;
}

bool Win32Companions::StartProgram(const char* program, ShowState show) {
    const std::string path = RunningProgramFolder() + program;
    const HINSTANCE result =
        ShellExecuteA(owner_, "Open", path.c_str(), nullptr, nullptr, static_cast<int>(show));
    return reinterpret_cast<INT_PTR>(result) > 32;
}

void Win32Companions::ShowMessage(const char* text) { MessageBoxA(owner_, text, title_, MB_OK); }

}  // namespace wendox
