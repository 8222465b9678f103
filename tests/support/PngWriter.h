// Writes an RGB image as a PNG file (uncompressed deflate blocks): enough
// for screenshots that a reviewer looks at.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wendox::testing {

bool WritePng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace wendox::testing
