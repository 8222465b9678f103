// Little-endian access to raw bytes: the request block and the simulator's
// variables are little-endian whatever the host is.
#pragma once

#include <cstdint>

namespace wendox {

inline void PutLE(std::uint8_t* at, std::uint64_t value, std::uint32_t size) {
    for (std::uint32_t i = 0; i < size; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline std::uint64_t GetLE(const std::uint8_t* at, std::uint32_t size) {
    std::uint64_t value = 0;
    for (std::uint32_t i = 0; i < size; ++i) value |= std::uint64_t{at[i]} << (8 * i);
    return value;
}

inline void PutU32(std::uint8_t* at, std::uint32_t value) { PutLE(at, value, 4); }
inline std::uint32_t GetU32(const std::uint8_t* at) { return static_cast<std::uint32_t>(GetLE(at, 4)); }

}  // namespace wendox
