// The reply is written by another process. Queue records whose destinations
// are exactly as large as their reads, let the input change any bytes of the
// block, and scan: ASan reports any byte touched outside the block or a
// destination.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "link/RequestBlock.h"

using namespace wendox;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    auto take = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };

    std::vector<std::uint8_t> block(kBlockSize);
    PendingTable table;
    std::vector<std::unique_ptr<std::uint8_t[]>> destinations;
    const std::uint8_t source[200] = {};
    std::uint8_t* next = block.data();
    for (int records = take() % 24; records > 0; --records) {
        const std::uint8_t shape = take();
        const std::uint32_t bytes = take() % 200;
        const bool read = shape & 1;
        if (!RecordFits(static_cast<std::uint32_t>(next - block.data()), read ? kReadHeaderSize : kWriteHeaderSize,
                        bytes))
            break;
        const bool kept = read && (shape & 2) && bytes > 0;
        if (kept) destinations.push_back(std::make_unique<std::uint8_t[]>(bytes));
        next = read ? QueueReadRecord(next, table, take(), bytes, kept ? destinations.back().get() : nullptr)
                    : QueueWriteRecord(next, table, take(), bytes, source);
    }

    // The "server": every further three bytes put one byte somewhere in the block.
    while (at + 3 <= size) {
        const std::uint32_t where = (take() | (take() << 8)) % kBlockSize;
        block[where] = take();
    }
    DeliverReply(block.data(), table.records.data(), table.count);
    return 0;
}
