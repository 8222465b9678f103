// The request block shared with the server: records laid end to end from the
// start of the mapped view, then a 4-byte end marker.
//
//   read:  kind=1 | offset | size | destination ref | size bytes, zeroed
//   write: kind=2 | offset | size | size bytes of data
//
// The destination field is 4 bytes wide and carries a reference into the
// client's own table of pending records (its index plus one; 0 for none),
// never an address, so a 64-bit client works the same as a 32-bit one.
#pragma once

#include <array>
#include <cstdint>

namespace wendox {

inline constexpr std::uint32_t kBlockSize = 0x8000;
inline constexpr std::uint32_t kUsableBlockBytes = 0x7F00;
inline constexpr std::uint32_t kReadHeaderSize = 16;
inline constexpr std::uint32_t kWriteHeaderSize = 12;
inline constexpr std::uint32_t kEndMarkerSize = 4;

enum class RecordKind : std::uint16_t { End = 0, Read = 1, Write = 2 };

// What the client queued at one place of the block. Only this is trusted when
// the reply is scanned; the headers in the block are checked against it.
struct PendingRecord {
    RecordKind kind;
    std::uint32_t offset;
    std::uint32_t size;
    void* destination;  // reads only; nullptr when the value goes nowhere
};

// The smallest record is a write of 0 bytes, so the space rule runs out
// before this table does.
inline constexpr std::uint32_t kMaxPendingRecords =
    (kUsableBlockBytes - kEndMarkerSize) / kWriteHeaderSize;

struct PendingTable {
    std::array<PendingRecord, kMaxPendingRecords> records;
    std::uint32_t count = 0;
};

// The space rule: a record fits if the bytes used, its header, its data and
// the end marker stay within the usable part of the block. Computed in 64
// bits so that no size wraps around.
bool RecordFits(std::uint32_t bytesUsed, std::uint32_t headerSize, std::uint32_t dataSize);

// Append a record at `at` (which must have room for it and the end marker),
// note it in `table` and put the end marker behind it, so that the block
// never holds records of an older queue after the new ones; both return the
// position behind the new record.
std::uint8_t* QueueReadRecord(std::uint8_t* at, PendingTable& table, std::uint32_t offset,
                              std::uint32_t size, void* destination);
std::uint8_t* QueueWriteRecord(std::uint8_t* at, PendingTable& table, std::uint32_t offset,
                               std::uint32_t size, const void* source);

// Check the server's reply against the first `count` pending records, then
// copy each read's value to its destination. A header that differs from what
// was queued, or an end marker gone, rejects the whole reply: nothing is
// copied, and no byte outside the queued records is read.
bool DeliverReply(const std::uint8_t* view, const PendingRecord* records, std::uint32_t count);

}  // namespace wendox
