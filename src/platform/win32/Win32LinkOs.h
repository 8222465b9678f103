// The simulator link's operating-system calls, made for real.
#pragma once

#include "link/LinkOs.h"

namespace wendox {

class Win32LinkOs final : public LinkOs {
public:
    OsHandle FindTopLevelWindow(const char* className) override;
    bool WindowExists(OsHandle window) override;
    std::uint32_t RegisterMessage(const char* name) override;
    std::uint32_t CurrentProcessId() override;
    std::uint16_t AddGlobalAtom(const char* name) override;
    void DeleteGlobalAtom(std::uint16_t atom) override;
    OsHandle CreateMapping(const char* name, std::uint32_t size) override;
    std::uint8_t* MapView(OsHandle mapping) override;
    void UnmapView(std::uint8_t* view) override;
    void CloseHandle(OsHandle handle) override;
    std::uint32_t LastError() override;
    bool SendMessageTimed(OsHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                          std::uint32_t flags, std::uint32_t timeoutMs, std::uintptr_t& result) override;
    void Sleep(std::uint32_t milliseconds) override;
};

}  // namespace wendox
