#include "link/Link.h"

#include <cstdio>

#include "link/SimVariables.h"

namespace wendox {

namespace {

bool Fail(LinkResult code, LinkResult& result) {
    result = code;
    return false;
}

bool FailAndClose(LinkState& link, LinkResult code, LinkResult& result) {
    LinkClose(link);
    return Fail(code, result);
}

std::uint32_t BytesUsed(const LinkState& link) { return static_cast<std::uint32_t>(link.next - link.view); }

// One attempt and up to 40 retries, 100 ms apart. The last error is read
// right after the last attempt.
bool SendWithRetries(LinkState& link, std::uintptr_t& reply, LinkResult& result) {
    LinkOs& os = *link.os;
    for (std::uint32_t attempt = 0; attempt <= kSendRetries; ++attempt) {
        if (attempt > 0) os.Sleep(kRetryPauseMs);
        if (os.SendMessageTimed(link.serverWindow, link.message, link.atom, 0, kSendFlagBlock,
                                kSendTimeoutMs, reply))
            return true;
    }
    return Fail(os.LastError() == 0 ? LinkResult::SendTimedOut : LinkResult::SendFailed, result);
}

bool VersionsAccepted(const LinkState& link) {
    const auto simMark = static_cast<std::uint32_t>(link.simVersion) >> 16;
    return link.serverVersion >= simvar::kLowestServerVersion && simMark == simvar::kSimVersionMark;
}

}  // namespace

void BuildMappingName(std::uint32_t processId, char (&name)[24]) {
    std::snprintf(name, sizeof name, "%s:%X:1", kLinkMessageName, static_cast<unsigned>(processId));
}

void LinkReset(LinkState& link) {
    link.serverWindow = 0;
    link.message = 0;
    link.atom = 0;
    link.mapping = 0;
    link.view = nullptr;
    link.next = nullptr;
    link.pending.count = 0;
}

bool LinkOpen(LinkState& link, std::int32_t requestedSimVersion, LinkResult& result) {
    LinkOs& os = *link.os;
    link.serverVersion = 0;
    link.simVersion = 0;
    if (IsOpen(link)) return Fail(LinkResult::AlreadyOpen, result);

    bool viaFallback = false;
    OsHandle window = os.FindTopLevelWindow(kServerClass);
    if (window == 0) {
        viaFallback = true;
        window = os.FindTopLevelWindow(kFallbackServerClass);
        if (window == 0) return Fail(LinkResult::ServerNotFound, result);
    }
    link.serverWindow = window;

    link.message = os.RegisterMessage(kLinkMessageName);
    if (link.message == 0) return Fail(LinkResult::MessageNotRegistered, result);

    char name[24];
    BuildMappingName(os.CurrentProcessId(), name);

    link.atom = os.AddGlobalAtom(name);
    if (link.atom == 0) return FailAndClose(link, LinkResult::AtomFailed, result);

    link.mapping = os.CreateMapping(name, kBlockSize);
    if (link.mapping == 0 || os.LastError() == kErrorAlreadyExists)
        return FailAndClose(link, LinkResult::MappingFailed, result);

    link.view = os.MapView(link.mapping);
    if (link.view == nullptr) return FailAndClose(link, LinkResult::ViewFailed, result);
    link.next = link.view;
    link.pending.count = 0;

    for (std::uint32_t pass = 0; pass < kVersionPasses; ++pass) {
        if (link.serverVersion != 0 && link.simVersion != 0) break;
        if (!LinkRead(link, simvar::ServerVersion.offset, simvar::ServerVersion.size, &link.serverVersion,
                      result) ||
            !LinkRead(link, simvar::SimVersion.offset, simvar::SimVersion.size, &link.simVersion, result) ||
            !LinkProcess(link, result))
            return FailAndClose(link, result, result);
        os.Sleep(kVersionPauseMs);
    }

    if (!VersionsAccepted(link))
        return FailAndClose(link,
                            viaFallback ? LinkResult::FallbackVersionRejected : LinkResult::ServerVersionRejected,
                            result);

    link.simVersion &= 0xFFFF;
    if (requestedSimVersion != 0 && requestedSimVersion != link.simVersion)
        return FailAndClose(link, LinkResult::SimVersionMismatch, result);

    result = LinkResult::Ok;
    return true;
}

namespace {

// Queues one record after the checks every record passes: the link is open
// and the record fits the block.
template <class QueueRecord>
bool Queue(LinkState& link, std::uint32_t headerSize, std::uint32_t size, LinkResult& result, QueueRecord&& queue) {
    if (!IsOpen(link)) return Fail(LinkResult::NotOpen, result);
    if (!RecordFits(BytesUsed(link), headerSize, size)) return Fail(LinkResult::BlockFull, result);
    link.next = queue();
    result = LinkResult::Ok;
    return true;
}

}  // namespace

bool LinkRead(LinkState& link, std::uint32_t offset, std::uint32_t size, void* destination,
              LinkResult& result) {
    return Queue(link, kReadHeaderSize, size, result,
                 [&] { return QueueReadRecord(link.next, link.pending, offset, size, destination); });
}

bool LinkWrite(LinkState& link, std::uint32_t offset, std::uint32_t size, const void* source,
               LinkResult& result) {
    return Queue(link, kWriteHeaderSize, size, result,
                 [&] { return QueueWriteRecord(link.next, link.pending, offset, size, source); });
}

bool LinkProcess(LinkState& link, LinkResult& result) {
    if (!IsOpen(link)) return Fail(LinkResult::NotOpen, result);
    if (link.next == link.view) return Fail(LinkResult::NothingQueued, result);

    // The end marker already stands behind the last record. From here on the
    // queue is empty whatever the outcome; the pending records stay readable
    // for the scan below.
    link.next = link.view;
    const std::uint32_t queued = link.pending.count;
    link.pending.count = 0;

    std::uintptr_t reply = 0;
    if (!SendWithRetries(link, reply, result)) return false;
    if (reply != 1) return Fail(LinkResult::ReplyRejected, result);

    // A reply that does not match what was queued is rejected like a result
    // other than 1: nothing of it is delivered.
    if (!DeliverReply(link.view, link.pending.records.data(), queued)) return Fail(LinkResult::ReplyRejected, result);
    result = LinkResult::Ok;
    return true;
}

void LinkClose(LinkState& link) {
    LinkOs& os = *link.os;
    link.serverWindow = 0;
    link.message = 0;
    link.next = nullptr;
    link.pending.count = 0;
    if (link.atom != 0) {
        os.DeleteGlobalAtom(link.atom);
        link.atom = 0;
    }
    if (link.view != nullptr) {
        os.UnmapView(link.view);
        link.view = nullptr;
    }
    if (link.mapping != 0) {
        os.CloseHandle(link.mapping);
        link.mapping = 0;
    }
}

}  // namespace wendox
