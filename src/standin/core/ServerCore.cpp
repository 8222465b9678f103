#include "standin/core/ServerCore.h"

#include <algorithm>
#include <cstring>

#include "link/ByteOrder.h"
#include "link/RequestBlock.h"

namespace wendox::standin {

namespace {

// The record of writes keeps the newest entries only, so that a demo left
// running for days does not grow without bound.
constexpr std::size_t kMaxRecordedWrites = 200000;

}  // namespace

std::uint64_t RecordedWrite::Value() const {
    return GetLE(bytes.data(), static_cast<std::uint32_t>(std::min<std::size_t>(bytes.size(), 8)));
}

ServerCore::ServerCore() {
    PutLE(&memory_[simvar::ServerVersion.offset], static_cast<std::uint32_t>(kServerVersion), 4);
    PutLE(&memory_[simvar::SimVersion.offset], (simvar::kSimVersionMark << 16) | kSimulatorVersion, 4);
}

std::optional<std::uintptr_t> ServerCore::ProcessBlock(std::uint8_t* block, std::uint32_t blockSize,
                                                       std::uint64_t nowMs) {
    std::lock_guard lock(mutex_);
    if (misbehaviour_.noAnswer) return std::nullopt;
    ++exchanges_;

    std::uint64_t at = 0;
    while (true) {
        if (at + 4 > blockSize) return 0;
        const std::uint32_t kind = GetU32(block + at);
        if (kind == 0) break;
        if (kind != static_cast<std::uint32_t>(RecordKind::Read) &&
            kind != static_cast<std::uint32_t>(RecordKind::Write))
            return 0;
        const std::uint32_t header = kind == 1 ? kReadHeaderSize : kWriteHeaderSize;
        if (at + header > blockSize) return 0;
        const std::uint32_t offset = GetU32(block + at + 4);
        const std::uint32_t size = GetU32(block + at + 8);
        if (at + header + size > blockSize) return 0;
        std::uint8_t* data = block + at + header;
        if (kind == 1)
            ReadVariable(offset, data, size);
        else
            WriteVariable(offset, data, size, nowMs);
        at += header + size;
    }
    Tamper(block, static_cast<std::uint32_t>(at), misbehaviour_.tamper);
    return misbehaviour_.answer;
}

// Bytes beyond the variable space read as zero and are not written.
void ServerCore::ReadVariable(std::uint32_t offset, std::uint8_t* to, std::uint32_t size) const {
    for (std::uint32_t i = 0; i < size; ++i) {
        const std::uint64_t address = std::uint64_t{offset} + i;
        to[i] = address < kVariableSpace ? memory_[address] : 0;
    }
}

void ServerCore::WriteVariable(std::uint32_t offset, const std::uint8_t* from, std::uint32_t size,
                               std::uint64_t nowMs) {
    for (std::uint32_t i = 0; i < size; ++i) {
        const std::uint64_t address = std::uint64_t{offset} + i;
        if (address < kVariableSpace) memory_[address] = from[i];
    }
    writes_.push_back({nowMs, offset, std::vector<std::uint8_t>(from, from + size)});
    if (writes_.size() > kMaxRecordedWrites) writes_.pop_front();
    lastWriteMs_[offset] = nowMs;
}

void ServerCore::Tamper(std::uint8_t* block, std::uint32_t endOfRecords, HeaderTamper tamper) {
    if (tamper == HeaderTamper::None) return;
    if (tamper == HeaderTamper::EndMarker) {
        PutU32(block + endOfRecords, 7);
        return;
    }
    if (endOfRecords == 0) return;  // no record to change
    switch (tamper) {
        case HeaderTamper::Kind: PutU32(block, 7); break;
        case HeaderTamper::Offset: PutU32(block + 4, GetU32(block + 4) + 1); break;
        case HeaderTamper::Size: PutU32(block + 8, GetU32(block + 8) + 4); break;
        case HeaderTamper::Destination: PutU32(block + 12, GetU32(block + 12) + 1); break;
        default: break;
    }
}

void ServerCore::SetMisbehaviour(const Misbehaviour& misbehaviour) {
    std::lock_guard lock(mutex_);
    misbehaviour_ = misbehaviour;
}

Misbehaviour ServerCore::GetMisbehaviour() const {
    std::lock_guard lock(mutex_);
    return misbehaviour_;
}

void ServerCore::ReportTooOldVersion() {
    SetValue(simvar::ServerVersion, static_cast<std::uint32_t>(kTooOldServerVersion));
}

std::uint64_t ServerCore::Value(SimVariable variable) const {
    std::lock_guard lock(mutex_);
    std::uint8_t bytes[8] = {};
    const std::uint32_t size = std::min<std::uint32_t>(variable.size, 8);
    ReadVariable(variable.offset, bytes, size);
    return GetLE(bytes, size);
}

std::int64_t ServerCore::SignedValue(SimVariable variable) const {
    const std::uint64_t value = Value(variable);
    const std::uint32_t bits = 8 * std::min<std::uint32_t>(variable.size, 8);
    if (bits == 64) return static_cast<std::int64_t>(value);
    const std::uint64_t sign = std::uint64_t{1} << (bits - 1);
    return static_cast<std::int64_t>((value ^ sign) - sign);
}

void ServerCore::SetValue(SimVariable variable, std::uint64_t value) {
    std::lock_guard lock(mutex_);
    for (std::uint32_t i = 0; i < variable.size; ++i) {
        const std::uint64_t address = std::uint64_t{variable.offset} + i;
        if (address < kVariableSpace) memory_[address] = i < 8 ? static_cast<std::uint8_t>(value >> (8 * i)) : 0;
    }
}

std::string ServerCore::Text(SimVariable variable) const {
    std::lock_guard lock(mutex_);
    std::string text;
    for (std::uint32_t i = 0; i < variable.size; ++i) {
        const std::uint64_t address = std::uint64_t{variable.offset} + i;
        if (address >= kVariableSpace || memory_[address] == 0) break;
        text.push_back(static_cast<char>(memory_[address]));
    }
    return text;
}

std::vector<RecordedWrite> ServerCore::Writes() const {
    std::lock_guard lock(mutex_);
    return {writes_.begin(), writes_.end()};
}

std::vector<RecordedWrite> ServerCore::WritesTo(SimVariable variable) const {
    std::lock_guard lock(mutex_);
    std::vector<RecordedWrite> found;
    for (const RecordedWrite& write : writes_)
        if (write.offset == variable.offset) found.push_back(write);
    return found;
}

std::optional<std::uint64_t> ServerCore::LastWriteTime(SimVariable variable) const {
    std::lock_guard lock(mutex_);
    const auto it = lastWriteMs_.find(variable.offset);
    if (it == lastWriteMs_.end()) return std::nullopt;
    return it->second;
}

std::size_t ServerCore::WriteCount() const {
    std::lock_guard lock(mutex_);
    return writes_.size();
}

void ServerCore::ClearWrites() {
    std::lock_guard lock(mutex_);
    writes_.clear();
}

std::uint32_t ServerCore::ExchangeCount() const {
    std::lock_guard lock(mutex_);
    return exchanges_;
}

}  // namespace wendox::standin
