// The operating-system calls the simulator link makes, and nothing more.
// The Win32 layer implements them with the real calls; tests implement them
// against the stand-in server's core, with pauses that do not sleep.
#pragma once

#include <cstdint>

namespace wendox {

using OsHandle = std::uintptr_t;  // a window or mapping handle; 0 means none

class LinkOs {
public:
    virtual ~LinkOs() = default;

    // FindWindowExA(0, 0, className, 0): a top-level window of that class.
    virtual OsHandle FindTopLevelWindow(const char* className) = 0;
    // IsWindow: the window still exists (a closed server's window does not).
    virtual bool WindowExists(OsHandle window) = 0;
    // RegisterWindowMessageA; 0 on failure.
    virtual std::uint32_t RegisterMessage(const char* name) = 0;
    virtual std::uint32_t CurrentProcessId() = 0;
    // GlobalAddAtomA / GlobalDeleteAtom; AddGlobalAtom returns 0 on failure.
    virtual std::uint16_t AddGlobalAtom(const char* name) = 0;
    virtual void DeleteGlobalAtom(std::uint16_t atom) = 0;
    // CreateFileMappingA on the paging file, read/write, `size` bytes.
    virtual OsHandle CreateMapping(const char* name, std::uint32_t size) = 0;
    // MapViewOfFile of the whole mapping with write access; nullptr on failure.
    virtual std::uint8_t* MapView(OsHandle mapping) = 0;
    virtual void UnmapView(std::uint8_t* view) = 0;
    virtual void CloseHandle(OsHandle handle) = 0;
    // GetLastError, as left by the call made just before.
    virtual std::uint32_t LastError() = 0;
    // SendMessageTimeoutA; returns false when the call failed or timed out.
    virtual bool SendMessageTimed(OsHandle window, std::uint32_t message, std::uintptr_t wParam,
                                  std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                                  std::uintptr_t& result) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace wendox
