// POSIX: fsync reaches the disk, and rename replaces an existing target in
// one step.
#include "config/ReplaceFile.h"

#include <unistd.h>

namespace wendox {

bool FlushToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool ReplaceFileWith(const std::string& temporary, const std::string& target) {
    return std::rename(temporary.c_str(), target.c_str()) == 0;
}

}  // namespace wendox
