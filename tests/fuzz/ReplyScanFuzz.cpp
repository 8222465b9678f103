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
    std::uint8_t* next = block.data();
    const int records = take() % 24;
    for (int i = 0; i < records; ++i) {
        const std::uint8_t shape = take();
        const std::uint32_t bytes = take() % 200;
        const bool read = shape & 1;
        const auto used = static_cast<std::uint32_t>(next - block.data());
        if (!RecordFits(used, read ? kReadHeaderSize : kWriteHeaderSize, bytes)) break;
        if (read) {
            std::uint8_t* destination = nullptr;
            if (shape & 2) {
                destinations.push_back(std::make_unique<std::uint8_t[]>(bytes == 0 ? 1 : bytes));
                destination = bytes == 0 ? nullptr : destinations.back().get();
            }
            next = QueueReadRecord(next, table, take(), bytes, destination);
        } else {
            const std::uint8_t source[200] = {};
            next = QueueWriteRecord(next, table, take(), bytes, source);
        }
    }
    PutEndMarker(next);

    // The "server": every further three bytes put one byte somewhere in the block.
    while (at + 3 <= size) {
        const std::uint32_t where = (take() | (take() << 8)) % kBlockSize;
        block[where] = take();
    }
    DeliverReply(block.data(), table.records.data(), table.count);
    return 0;
}
