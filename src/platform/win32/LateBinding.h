// Functions of system libraries that are loaded only when first used: the
// file dialogs and the sound player pull in large parts of the system
// (printing, codecs) that a program which never opens them should not carry.
#pragma once

#include <windows.h>

namespace wendox {

// The function `name` of `library`, loading the library on the first call;
// nullptr when either cannot be found.
template <class Function>
Function LateBound(const char* library, const char* name) {
    HMODULE module = GetModuleHandleA(library);
    if (module == nullptr) module = LoadLibraryA(library);
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace wendox
