#include "hardcore/Slew.h"

#include "link/SimVariables.h"

namespace wendox {

namespace {

bool Unanswered(LinkResult result) {
    return result == LinkResult::SendTimedOut || result == LinkResult::SendFailed;
}

// Sends what is queued; true unless the simulator did not answer at all.
bool Send(LinkState& link) {
    LinkResult result = LinkResult::Ok;
    return LinkProcess(link, result) || !Unanswered(result);
}

bool SetSlewMode(LinkState& link, std::uint16_t on) {
    LinkResult result;
    LinkWrite(link, simvar::SlewMode.offset, simvar::SlewMode.size, &on, result);
    return Send(link);
}

}  // namespace

bool SlewToOrigin(LinkState& link) {
    if (!SetSlewMode(link, 1)) return false;

    const std::uint32_t zero = 0;
    LinkResult result;
    for (const SimVariable position : {simvar::Latitude, simvar::Longitude, simvar::Altitude}) {
        LinkWrite(link, position.offset, sizeof zero, &zero, result);
        LinkWrite(link, position.offset + sizeof zero, sizeof zero, &zero, result);
    }
    if (!Send(link)) return false;

    return SetSlewMode(link, 0);
}

void SlewToOriginThreeTimes(LinkState& link) {
    for (int move = 0; move < 3; ++move) {
        if (move > 0) link.os->Sleep(kSlewPauseMs);
        if (!SlewToOrigin(link)) return;
    }
}

}  // namespace wendox
