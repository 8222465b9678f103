// The real Win32 link, in linkprobe.exe, against the stand-in simulator's
// window on a thread of the test.
#include <gtest/gtest.h>

#include "standin/core/FlightModel.h"
#include "standin/win32/StandinThread.h"
#include "link/Link.h"
#include "support/win32/ChildProcess.h"
#include "support/win32/WindowProbe.h"

namespace wendox::testing {
namespace {

constexpr DWORD kProbeTimeoutMs = 30000;

TEST(LinkEndToEnd, LinkprobeWritesAndReadsBackFromAnotherProcess) {
    standin::ServerCore server;
    standin::StartFlight(server);
    standin::StandinThread window(server);

    RunningProgram probe(ToolPath("linkprobe.exe"), {"w:0x0B6B:1:5", "r:0x0B6B:1", "r:0x0AEC:2", "r:0x3308:4"}, true);
    EXPECT_EQ(probe.Output(), "0x0B6B=5\r\n0x0AEC=2\r\n0x3308=4208852998\r\n");
    EXPECT_EQ(probe.WaitForExit(kProbeTimeoutMs), 0u);
    const auto writes = server.WritesTo(simvar::FailEngines);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].Value(), 5u);
}

TEST(LinkEndToEnd, MisbehavingServersGiveLinkprobeTheirResultCodes) {
    auto probe = [] { return RunningProgram(ToolPath("linkprobe.exe"), {"r:0x0AEC:2"}).WaitForExit(kProbeTimeoutMs); };
    EXPECT_EQ(probe(), 102u);  // no server
    // The fallback class with a version too old; replies rejected, never a success.
    for (const auto& [misbehaviour, exitCode] : {std::pair{standin::Misbehaviour{.fallbackClassOnly = true}, 114u},
                                                 {{.tamper = standin::HeaderTamper::Size}, 113u}, {{.answer = 2}, 113u}}) {
        standin::ServerCore server;
        server.SetMisbehaviour(misbehaviour);
        if (misbehaviour.fallbackClassOnly) server.ReportTooOldVersion();
        standin::StandinThread window(server);
        EXPECT_EQ(probe(), exitCode);
    }
}

// The stand-in simulator as a program of its own answers the link.
TEST(LinkEndToEnd, TheStandInProgramAnswersLinkprobe) {
    RunningProgram simulator(ToolPath("standin.exe"), {"--airborne"});
    ASSERT_TRUE(WaitUntil([] { return FindWindowA(kServerClass, nullptr) != nullptr; }, kProbeTimeoutMs));
    RunningProgram probe(ToolPath("linkprobe.exe"), {"r:0x0366:2"}, true);
    EXPECT_EQ(probe.Output(), "0x0366=0\r\n");
    EXPECT_EQ(probe.WaitForExit(kProbeTimeoutMs), 0u);
}

}  // namespace
}  // namespace wendox::testing
