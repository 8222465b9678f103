// The real Win32 link, in linkprobe.exe, against the stand-in simulator's
// window on a thread of the test.
#include <gtest/gtest.h>

#include "standin/core/FlightModel.h"
#include "standin/win32/StandinThread.h"
#include "support/win32/ChildProcess.h"

namespace wendox::testing {
namespace {

constexpr DWORD kProbeTimeoutMs = 30000;

TEST(LinkEndToEnd, LinkprobeWritesAndReadsBackFromAnotherProcess) {
    standin::ServerCore server;
    standin::StartFlight(server);
    standin::StandinThread window(server);

    RunningProgram probe("linkprobe.exe", {"w:0x0B6B:1:5", "r:0x0B6B:1", "r:0x0AEC:2", "r:0x3308:4"}, true);
    EXPECT_EQ(probe.Output(), "0x0B6B=5\r\n0x0AEC=2\r\n0x3308=4208852998\r\n");
    EXPECT_EQ(probe.WaitForExit(kProbeTimeoutMs), 0u);
    const auto writes = server.WritesTo(simvar::FailEngines);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].Value(), 5u);
}

TEST(LinkEndToEnd, MisbehavingServersGiveLinkprobeTheirResultCodes) {
    struct Case {
        standin::Misbehaviour misbehaviour;
        bool tooOld;
        DWORD exitCode;
    };
    EXPECT_EQ(RunningProgram("linkprobe.exe", {"r:0x0AEC:2"}).WaitForExit(kProbeTimeoutMs), 102u);  // no server
    const Case cases[] = {
        {{.fallbackClassOnly = true}, true, 114},                   // FallbackVersionRejected
        {{.tamper = standin::HeaderTamper::Size}, false, 113},      // ReplyRejected, never a success
        {{.answer = 2}, false, 113},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exitCode);
        standin::ServerCore server;
        server.SetMisbehaviour(c.misbehaviour);
        if (c.tooOld) server.ReportTooOldVersion();
        standin::StandinThread window(server);
        EXPECT_EQ(RunningProgram("linkprobe.exe", {"r:0x0AEC:2"}).WaitForExit(kProbeTimeoutMs), c.exitCode);
    }
}

}  // namespace
}  // namespace wendox::testing
