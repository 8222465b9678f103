#include "engine/Random.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace wendox {

float RandomGenerator::Draw(float clockSeconds) {
    // Mix the clock in, then one step of SplitMix64.
    state_ ^= std::uint64_t{std::bit_cast<std::uint32_t>(clockSeconds)} * 0xD6E8FEB86659FD93ULL;
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // The top 24 bits: every value exactly representable, the largest 1 - 2^-24.
    return static_cast<float>(z >> 40) * 0x1.0p-24f;
}

std::int32_t RandomGenerator::Number(std::int32_t hi, std::int32_t lo, float clockSeconds) {
    const float u = Draw(clockSeconds);
    if (hi < lo) return lo;
    const double span = static_cast<double>(hi) - static_cast<double>(lo) + 1.0;
    const double drawn = std::floor(static_cast<double>(u) * span) + static_cast<double>(lo);
    return static_cast<std::int32_t>(std::clamp(drawn, static_cast<double>(lo), static_cast<double>(hi)));
}

}  // namespace wendox
