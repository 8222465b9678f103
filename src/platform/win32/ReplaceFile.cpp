// On Windows a plain rename refuses an existing target; MoveFileEx replaces
// it, and write-through returns only once the move is on the disk.
#include "config/ReplaceFile.h"

#include <windows.h>
#include <io.h>

namespace wendox {

bool FlushToDisk(std::FILE* file) {
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

bool ReplaceFileWith(const std::string& temporary, const std::string& target) {
    return MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace wendox
