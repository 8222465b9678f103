#include "link/RequestBlock.h"

#include <cstring>

#include "link/ByteOrder.h"

namespace wendox {

namespace {

void PutEndMarker(std::uint8_t* at) { PutU32(at, 0); }

std::uint32_t HeaderSize(RecordKind kind) {
    return kind == RecordKind::Read ? kReadHeaderSize : kWriteHeaderSize;
}

std::uint32_t DestinationRef(const PendingTable& table, const void* destination) {
    return destination == nullptr ? 0 : table.count + 1;
}

// The header the client wrote for record `index`, compared field by field.
// The kind is the low 16 bits of its field, as the server reads it.
bool HeaderUnchanged(const std::uint8_t* at, const PendingRecord& record, std::uint32_t index) {
    if (static_cast<std::uint16_t>(GetU32(at)) != static_cast<std::uint16_t>(record.kind)) return false;
    if (GetU32(at + 4) != record.offset || GetU32(at + 8) != record.size) return false;
    if (record.kind == RecordKind::Read) {
        const std::uint32_t ref = record.destination == nullptr ? 0 : index + 1;
        if (GetU32(at + 12) != ref) return false;
    }
    return true;
}

}  // namespace

bool RecordFits(std::uint32_t bytesUsed, std::uint32_t headerSize, std::uint32_t dataSize) {
    const std::uint64_t needed = std::uint64_t{bytesUsed} + headerSize + dataSize + kEndMarkerSize;
    return needed <= kUsableBlockBytes;
}

std::uint8_t* QueueReadRecord(std::uint8_t* at, PendingTable& table, std::uint32_t offset,
                              std::uint32_t size, void* destination) {
    PutU32(at, static_cast<std::uint32_t>(RecordKind::Read));
    PutU32(at + 4, offset);
    PutU32(at + 8, size);
    PutU32(at + 12, DestinationRef(table, destination));
    std::memset(at + kReadHeaderSize, 0, size);
    table.records[table.count++] = {RecordKind::Read, offset, size, destination};
    PutEndMarker(at + kReadHeaderSize + size);
    return at + kReadHeaderSize + size;
}

std::uint8_t* QueueWriteRecord(std::uint8_t* at, PendingTable& table, std::uint32_t offset,
                               std::uint32_t size, const void* source) {
    PutU32(at, static_cast<std::uint32_t>(RecordKind::Write));
    PutU32(at + 4, offset);
    PutU32(at + 8, size);
    if (size != 0) std::memcpy(at + kWriteHeaderSize, source, size);
    table.records[table.count++] = {RecordKind::Write, offset, size, nullptr};
    PutEndMarker(at + kWriteHeaderSize + size);
    return at + kWriteHeaderSize + size;
}

bool DeliverReply(const std::uint8_t* view, const PendingRecord* records, std::uint32_t count) {
    const std::uint8_t* at = view;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!HeaderUnchanged(at, records[i], i)) return false;
        at += HeaderSize(records[i].kind) + records[i].size;
    }
    if (static_cast<std::uint16_t>(GetU32(at)) != static_cast<std::uint16_t>(RecordKind::End)) return false;

    at = view;
    for (std::uint32_t i = 0; i < count; ++i) {
        const PendingRecord& record = records[i];
        if (record.kind == RecordKind::Read && record.destination != nullptr && record.size != 0)
            std::memcpy(record.destination, at + kReadHeaderSize, record.size);
        at += HeaderSize(record.kind) + record.size;
    }
    return true;
}

}  // namespace wendox
