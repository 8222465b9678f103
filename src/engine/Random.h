// The engine's random draws. Every draw mixes the clock reading into the
// generator's state (never replacing it), so runs differ from one another and
// draws made within one clock reading still differ. The clock is passed in,
// so tests and the statistics program are repeatable.
#pragma once

#include <cstdint>

namespace wendox {

class RandomGenerator {
public:
    // Uniform in [0, 1), single precision.
    float Draw(float clockSeconds);

    // A whole number from lo to hi, both included; lo when hi < lo (as for
    // hi = lo - 1, a period of no rolls).
    std::int32_t Number(std::int32_t hi, std::int32_t lo, float clockSeconds);

private:
    std::uint64_t state_ = 0x853C49E6748FEA9BULL;
};

}  // namespace wendox
