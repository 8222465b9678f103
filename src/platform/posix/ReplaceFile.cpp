// POSIX rename replaces an existing target in one step.
#include "config/ReplaceFile.h"

#include <cstdio>

namespace wendox {

bool ReplaceFileWith(const std::string& temporary, const std::string& target) {
    return std::rename(temporary.c_str(), target.c_str()) == 0;
}

}  // namespace wendox
