// What the fuzz targets of the two file readers share. The input is read as
// the file at `path` into a fresh engine state over fakes made once for all
// inputs (reading and writing a file never opens the link). When the reader
// takes it without a message, it is written back and read again into another
// fresh state, which must take it without a message too and give back what
// `expected` says of the first reading.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/EngineState.h"
#include "link/EchoLinkOs.h"
#include "support/FakeDesktop.h"
#include "support/FakeView.h"
#include "support/MemoryFileStore.h"

namespace wendox::testing {

inline FakeDesktop fuzzDesktop;

// `read` returns false when the reading asks the program to end.
template <class Read, class Write, class Expected, class Got>
void CheckRoundTrip(const std::string& path, std::string_view input, Read read, Write write, Expected expected,
                    Got got) {
    static EchoLinkOs os;
    static FakeView view;
    MemoryFileStore files;
    files.files[path] = input;
    EngineState first(os, fuzzDesktop, view), again(os, fuzzDesktop, view);
    fuzzDesktop.messages.clear();
    if (!read(first, files) || !fuzzDesktop.messages.empty()) return;
    write(first, files);
    if (!read(again, files) || !fuzzDesktop.messages.empty() || !(got(again) == expected(first))) std::abort();
}

}  // namespace wendox::testing
