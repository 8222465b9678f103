#include "platform/win32/Win32Desktop.h"

#include <mmsystem.h>

#include "platform/win32/LateBinding.h"

namespace wendox {

std::string RunningProgramFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const auto slash = folder.find_last_of('\\');
    return slash == std::string::npos ? std::string{} : folder.substr(0, slash);
}

Win32Desktop::Win32Desktop() : folder_(RunningProgramFolder()) {
    // The user's regional decimal separator; only its first character counts.
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 1)
        separator_ = separator[0];
}

float Win32Desktop::SecondsSinceMidnight() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return static_cast<float>(now.wHour * 3600 + now.wMinute * 60 + now.wSecond) +
           static_cast<float>(now.wMilliseconds) / 1000.0f;
}

bool Win32Desktop::IsOrdinaryFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void Win32Desktop::PlaySoundFile(const std::string& path) {
    using PlayFunction = BOOL(WINAPI*)(LPCSTR, UINT);
    static const auto play = LateBound<PlayFunction>("winmm.dll", "sndPlaySoundA");
    if (play != nullptr) play(path.c_str(), SND_ASYNC);
}

void Win32Desktop::ShowMessage(const std::string& text, bool exclamation) {
    MessageBoxA(owner_, text.c_str(), kMessageTitle, MB_OK | (exclamation ? MB_ICONEXCLAMATION : 0));
}

}  // namespace wendox
