// What the fuzz targets of the two file readers share: the input is read as
// the file at `path` into a fresh record. When the reader takes it, the
// record is written back and read again into another fresh record, which
// must be taken too, and `got` of it must equal `expected` of the first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/MemoryFileStore.h"

namespace wendox::testing {

// `read` fills a fresh record and returns whether the reader took the file.
template <class Record, class Read, class Write, class Expected, class Got>
void CheckRoundTrip(const std::string& path, const std::uint8_t* data, std::size_t size, Read read, Write write,
                    Expected expected, Got got) {
    MemoryFileStore files;
    files.files[path].assign(reinterpret_cast<const char*>(data), size);
    Record first, again;
    if (!read(first, files)) return;
    write(first, files);
    if (!read(again, files) || !(got(again) == expected(first))) std::abort();
}

}  // namespace wendox::testing
