// On Windows a plain rename refuses an existing target; MoveFileEx replaces
// it, and write-through returns only once the move is on the disk.
#include "config/ReplaceFile.h"

#include <windows.h>

namespace wendox {

bool ReplaceFileWith(const std::string& temporary, const std::string& target) {
    return MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

}  // namespace wendox
