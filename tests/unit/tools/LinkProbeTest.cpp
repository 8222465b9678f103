#include <sstream>

#include <gtest/gtest.h>

#include "standin/core/FlightModel.h"
#include "support/FakeLinkOs.h"
#include "tools/linkprobe/LinkProbe.h"

namespace wendox::testing {
namespace {

class LinkProbeTest : public ::testing::Test {
protected:
    LinkProbeTest() { standin::StartFlight(server); }

    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return RunLinkProbe(os, args, out, err);
    }

    standin::ServerCore server;
    FakeLinkOs os{server};
    std::ostringstream out, err;
};

TEST_F(LinkProbeTest, WritesThenReadsBackInOrder) {
    EXPECT_EQ(Run({"w:0x0BE8:4:0", "r:0x0BE8:4", "r:2796:2", "w:0x0B6B:1:5", "r:0x0B6B:1",
                   "w:0x0560:8:0x123456789ABCDEF0", "r:0x0560:8", "r:0x3308:3"}),
              0);
    EXPECT_EQ(out.str(),
              "0x0BE8=0\n0x0AEC=2\n0x0B6B=5\n0x0560=1311768467463790320\n0x3308=0600DE\n");
    EXPECT_EQ(os.liveAtoms + os.liveViews + os.liveHandles, 0);
}

TEST_F(LinkProbeTest, NegativeValuesAreTwosComplement) {
    EXPECT_EQ(Run({"w:0x0BDC:4:-1", "r:0x0BDC:4", "w:0x0BC0:2:-32768", "r:0x0BC0:2"}), 0);
    EXPECT_EQ(out.str(), "0x0BDC=4294967295\n0x0BC0=32768\n");
}

TEST_F(LinkProbeTest, ExitStatusIsOneHundredPlusTheLinkResult) {
    EXPECT_EQ(Run({}), 110);  // nothing queued
    EXPECT_EQ(Run({"r:0x3380:40000"}), 115);
    EXPECT_EQ(Run({"r:0x3380:32497"}), 115);
    EXPECT_EQ(out.str(), "");
    server.SetMisbehaviour({.answer = 0});
    EXPECT_EQ(Run({"r:0x0AEC:2"}), 113);
    os.serverRunning = false;
    EXPECT_EQ(Run({"r:0x0AEC:2"}), 102);
    EXPECT_EQ(os.liveAtoms + os.liveViews + os.liveHandles, 0);
}

TEST_F(LinkProbeTest, MalformedArgumentsGiveUsage) {
    for (const char* bad : {"x:1:2", "r:1", "r:1:2:3", "r::2", "r:0x:2", "r:1:2z", "w:1:3:5", "w:1:1:256",
                            "w:1:1:-129", "w:1:2", "r:4294967296:1", "w:1:4:-0x1", "r:-1:2"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(Run({"r:0x0AEC:2", bad}), 2);
        EXPECT_NE(err.str().find("usage: linkprobe"), std::string::npos);
    }
    EXPECT_EQ(os.sends, 0u);
    EXPECT_EQ(Run({"w:1:1:255", "w:1:1:-128", "w:1:8:0xFFFFFFFFFFFFFFFF"}), 0);
}

}  // namespace
}  // namespace wendox::testing
