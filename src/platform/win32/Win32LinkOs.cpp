#include "platform/win32/Win32LinkOs.h"

#include <windows.h>

namespace wendox {

OsHandle Win32LinkOs::FindTopLevelWindow(const char* className) {
    return reinterpret_cast<OsHandle>(FindWindowExA(nullptr, nullptr, className, nullptr));
}

bool Win32LinkOs::WindowExists(OsHandle window) { return IsWindow(reinterpret_cast<HWND>(window)) != FALSE; }

std::uint32_t Win32LinkOs::RegisterMessage(const char* name) { return RegisterWindowMessageA(name); }

std::uint32_t Win32LinkOs::CurrentProcessId() { return GetCurrentProcessId(); }

std::uint16_t Win32LinkOs::AddGlobalAtom(const char* name) { return GlobalAddAtomA(name); }

void Win32LinkOs::DeleteGlobalAtom(std::uint16_t atom) { GlobalDeleteAtom(atom); }

OsHandle Win32LinkOs::CreateMapping(const char* name, std::uint32_t size) {
    return reinterpret_cast<OsHandle>(
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name));
}

std::uint8_t* Win32LinkOs::MapView(OsHandle mapping) {
    return static_cast<std::uint8_t*>(MapViewOfFile(reinterpret_cast<HANDLE>(mapping), FILE_MAP_WRITE, 0, 0, 0));
}

void Win32LinkOs::UnmapView(std::uint8_t* view) { UnmapViewOfFile(view); }

void Win32LinkOs::CloseHandle(OsHandle handle) { ::CloseHandle(reinterpret_cast<HANDLE>(handle)); }

std::uint32_t Win32LinkOs::LastError() { return GetLastError(); }

bool Win32LinkOs::SendMessageTimed(OsHandle window, std::uint32_t message, std::uintptr_t wParam,
                                   std::intptr_t lParam, std::uint32_t flags, std::uint32_t timeoutMs,
                                   std::uintptr_t& result) {
    DWORD_PTR reply = 0;
    const LRESULT sent = SendMessageTimeoutA(reinterpret_cast<HWND>(window), message, wParam, lParam, flags,
                                             timeoutMs, &reply);
    result = reply;
    return sent != 0;
}

void Win32LinkOs::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

}  // namespace wendox
