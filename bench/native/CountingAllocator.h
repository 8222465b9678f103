// Counts every heap allocation of the benchmark program (the global
// operator new is replaced in CountingAllocator.cpp).
#pragma once

#include <cstdint>

namespace wendox::bench {

std::uint64_t HeapAllocations();

}  // namespace wendox::bench
