// The client side of the simulator link: find the server window, share a
// request block with it through a named file mapping, queue reads and writes
// of simulator variables, and send the whole queue in one blocking message.
//
// Calling pattern: LinkClose and LinkReset, then LinkOpen; per exchange one
// or more LinkRead / LinkWrite, then one LinkProcess. Every operation but
// LinkReset and LinkClose returns true on success and sets `result`.
#pragma once

#include <cstdint>

#include "link/LinkOs.h"
#include "link/LinkResult.h"
#include "link/RequestBlock.h"

namespace wendox {

inline constexpr char kServerClass[] = "UIPCMAIN";
inline constexpr char kFallbackServerClass[] = "FS98MAIN";
inline constexpr char kLinkMessageName[] = "FSASMLIB:IPC";

inline constexpr std::uint32_t kSendTimeoutMs = 2000;
inline constexpr std::uint32_t kSendRetries = 40;
inline constexpr std::uint32_t kRetryPauseMs = 100;
inline constexpr std::uint32_t kVersionPasses = 5;
inline constexpr std::uint32_t kVersionPauseMs = 100;
inline constexpr std::uint32_t kSendFlagBlock = 1;  // SMTO_BLOCK
inline constexpr std::uint32_t kErrorAlreadyExists = 183;

// One per program; all handle fields zero while no link is open. The link is
// open exactly when `view` is not null.
struct LinkState {
    explicit LinkState(LinkOs& os) : os(&os) {}
    LinkState(const LinkState&) = delete;
    LinkState& operator=(const LinkState&) = delete;

    LinkOs* os;
    OsHandle serverWindow = 0;
    std::uint32_t message = 0;
    std::uint16_t atom = 0;
    OsHandle mapping = 0;
    std::uint8_t* view = nullptr;
    std::uint8_t* next = nullptr;  // where the next record goes
    std::int32_t serverVersion = 0;
    std::int32_t simVersion = 0;  // low 16 bits only once the version check passed
    PendingTable pending;         // what is queued between view and next
};

// The mapping's name: "FSASMLIB:IPC:", the process id in upper-case
// hexadecimal, ":1". Writes at most 23 characters and a terminating zero.
void BuildMappingName(std::uint32_t processId, char (&name)[24]);

void LinkReset(LinkState& link);
bool LinkOpen(LinkState& link, std::int32_t requestedSimVersion, LinkResult& result);
// `destination` must have room for `size` bytes; nullptr sends the read but
// keeps nothing of its value.
bool LinkRead(LinkState& link, std::uint32_t offset, std::uint32_t size, void* destination,
              LinkResult& result);
// The data are copied into the block at once; the source may change after.
bool LinkWrite(LinkState& link, std::uint32_t offset, std::uint32_t size, const void* source,
               LinkResult& result);
bool LinkProcess(LinkState& link, LinkResult& result);
void LinkClose(LinkState& link);

inline bool IsOpen(const LinkState& link) { return link.view != nullptr; }

}  // namespace wendox
