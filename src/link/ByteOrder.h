// Little-endian access to raw bytes: the request block and the simulator's
// variables are little-endian whatever the host is. On a little-endian host
// (every host Wendox runs on) that is a plain copy.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace wendox {

// Writes the low `size` bytes (at most 8) of `value`.
inline void PutLE(std::uint8_t* at, std::uint64_t value, std::uint32_t size) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &value, size);
    } else {
        for (std::uint32_t i = 0; i < size; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// Reads `size` bytes (at most 8) as an unsigned number.
inline std::uint64_t GetLE(const std::uint8_t* at, std::uint32_t size) {
    std::uint64_t value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, at, size);
    } else {
        for (std::uint32_t i = 0; i < size; ++i) value |= std::uint64_t{at[i]} << (8 * i);
    }
    return value;
}

inline void PutU32(std::uint8_t* at, std::uint32_t value) { PutLE(at, value, 4); }
inline std::uint32_t GetU32(const std::uint8_t* at) { return static_cast<std::uint32_t>(GetLE(at, 4)); }

}  // namespace wendox
