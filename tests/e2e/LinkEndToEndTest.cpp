// The real Win32 link, in linkprobe.exe, against the stand-in simulator:
// its program, and its window on a thread of the test.
#include <gtest/gtest.h>

#include "standin/win32/StandinThread.h"
#include "link/Link.h"
#include "support/win32/Programs.h"

namespace wendox::testing {
namespace {

constexpr DWORD kProbeTimeoutMs = 30000;

// linkprobe.exe and standin.exe, as shipped in the tools folder, find each
// other: a write read back, the version and the flight state.
TEST(LinkEndToEnd, LinkprobeWritesAndReadsBackFromTheStandInProgram) {
    RunningProgram simulator(ToolPath("standin.exe"), {"--airborne"});
    ASSERT_TRUE(WaitUntil([] { return FindWindowA(kServerClass, nullptr) != nullptr; }, kProbeTimeoutMs));
    RunningProgram probe(ToolPath("linkprobe.exe"), {"w:0x0B6B:1:5", "r:0x0B6B:1", "r:0x3308:4", "r:0x0366:2"}, true);
    EXPECT_EQ(probe.Output(), "0x0B6B=5\r\n0x3308=4208852998\r\n0x0366=0\r\n");
    EXPECT_EQ(probe.WaitForExit(kProbeTimeoutMs), 0u);
}

TEST(LinkEndToEnd, LinkprobeNamesWhyItFailedAndExitsWithTheResultCode) {
    const auto probe = [](const std::vector<std::string>& args) {
        RunningProgram program(ToolPath("linkprobe.exe"), args, true);
        const DWORD exitCode = program.WaitForExit(kProbeTimeoutMs);
        return std::pair{exitCode, program.Output()};
    };
    const std::string usage = "usage: linkprobe [r:OFFSET:SIZE | w:OFFSET:SIZE:VALUE] ...\r\n";
    EXPECT_EQ(probe({}), std::pair(102ul, usage + "linkprobe: no simulator link window found (code 2)\r\n"));
    // The fallback class with a version too old; a reply rejected; nothing to
    // send.
    const struct { standin::Misbehaviour misbehaviour; std::vector<std::string> args; DWORD exitCode; std::string said; }
        cases[] = {
            {{.fallbackClassOnly = true}, {"r:0x0AEC:2"}, 114,
             "linkprobe: the simulator's FS98MAIN window has a version that was rejected (code 14)\r\n"},
            {{.tamper = standin::HeaderTamper::Size}, {"r:0x0AEC:2"}, 113,
             "linkprobe: the simulator rejected the request (code 13)\r\n"},
            {{}, {}, 110, usage + "linkprobe: nothing to send (code 10)\r\n"},
        };
    for (const auto& c : cases) {
        standin::ServerCore server;
        server.SetMisbehaviour(c.misbehaviour);
        if (c.misbehaviour.fallbackClassOnly) server.ReportTooOldVersion();
        standin::StandinThread window(server);
        EXPECT_EQ(probe(c.args), std::pair(c.exitCode, c.said));
    }
}

}  // namespace
}  // namespace wendox::testing
