// The stand-in simulator's server core: the simulator's variable memory, the
// processing of a request block the way the real server does it, and a
// record of every write with its time. It can misbehave on purpose so that
// tests can see how a client copes.
//
// Thread-safe: in the end-to-end tests the server window runs on a thread of
// its own while the test reads the record of writes.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "link/SimVariables.h"

namespace wendox::standin {

inline constexpr std::uint32_t kVariableSpace = 0x10000;
inline constexpr std::int32_t kServerVersion = 0x34000000;
inline constexpr std::int32_t kTooOldServerVersion = 0x19980004;
inline constexpr std::uint16_t kSimulatorVersion = 6;  // the simulator version number of FS2002

// Which header field the server changes in its reply (in the first record).
enum class HeaderTamper { None, Kind, Offset, Size, Destination, EndMarker };

struct Misbehaviour {
    bool noAnswer = false;           // never answer in time
    std::uintptr_t answer = 1;       // the message result to answer with
    bool fallbackClassOnly = false;  // register the window under "FS98MAIN" only
    HeaderTamper tamper = HeaderTamper::None;
};

struct RecordedWrite {
    std::uint64_t timeMs;
    std::uint32_t offset;
    std::vector<std::uint8_t> bytes;

    std::uint64_t Value() const;  // the bytes as a little-endian integer (first 8 at most)
};

class ServerCore {
public:
    ServerCore();

    // Works through the records of `block` (blockSize bytes) in order until a
    // kind of 0 and returns the message result, or nothing when the server
    // is set not to answer. A record that would run past the block stops the
    // work and is answered with 0.
    std::optional<std::uintptr_t> ProcessBlock(std::uint8_t* block, std::uint32_t blockSize,
                                               std::uint64_t nowMs);

    void SetMisbehaviour(const Misbehaviour& misbehaviour);
    Misbehaviour GetMisbehaviour() const;
    // Makes the server report a version below the lowest the client accepts.
    void ReportTooOldVersion();

    std::uint64_t Value(SimVariable variable) const;
    std::int64_t SignedValue(SimVariable variable) const;
    void SetValue(SimVariable variable, std::uint64_t value);
    std::string Text(SimVariable variable) const;  // up to the first zero byte

    std::vector<RecordedWrite> Writes() const;
    std::vector<RecordedWrite> WritesTo(SimVariable variable) const;
    std::optional<std::uint64_t> LastWriteTime(SimVariable variable) const;
    std::size_t WriteCount() const;
    void ClearWrites();
    std::uint32_t ExchangeCount() const;

private:
    void ReadVariable(std::uint32_t offset, std::uint8_t* to, std::uint32_t size) const;
    void WriteVariable(std::uint32_t offset, const std::uint8_t* from, std::uint32_t size,
                       std::uint64_t nowMs);
    static void Tamper(std::uint8_t* block, std::uint32_t endOfRecords, HeaderTamper tamper);

    mutable std::mutex mutex_;
    std::array<std::uint8_t, kVariableSpace> memory_{};
    Misbehaviour misbehaviour_;
    std::deque<RecordedWrite> writes_;
    std::unordered_map<std::uint32_t, std::uint64_t> lastWriteMs_;
    std::uint32_t exchanges_ = 0;
};

}  // namespace wendox::standin
