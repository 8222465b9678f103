#include <sstream>

#include "link/LinkFixture.h"
#include "tools/linkprobe/LinkProbe.h"

namespace wendox::testing {
namespace {

class LinkProbeTest : public LinkFixture {
protected:
    int Run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        return RunLinkProbe(os, args, out, err);
    }

    std::ostringstream out, err;
};

TEST_F(LinkProbeTest, WritesThenReadsBackInOrder) {
    EXPECT_EQ(Run({"w:0x0BE8:4:0", "r:0x0BE8:4", "r:2796:2", "w:0x0BC0:2:-32768", "r:0x0BC0:2",
                   "w:0x0560:8:0x123456789ABCDEF0", "r:0x0560:8", "r:0x3308:3"}),
              0);
    EXPECT_EQ(out.str(), "0x0BE8=0\n0x0AEC=2\n0x0BC0=32768\n0x0560=1311768467463790320\n0x3308=0600DE\n");
    EXPECT_EQ(os.Held(), 0);
}

TEST_F(LinkProbeTest, ExitStatusIsOneHundredPlusTheLinkResult) {
    EXPECT_EQ(Run({}), 110);                  // nothing queued
    EXPECT_EQ(Run({"r:0x3380:32497"}), 115);  // one byte more than fits
    EXPECT_EQ(out.str(), "");
    os.serverRunning = false;
    EXPECT_EQ(Run({"r:0x0AEC:2"}), 102);
    EXPECT_EQ(os.Held(), 0);
}

TEST_F(LinkProbeTest, MalformedArgumentsGiveUsageAndSendNothing) {
    for (const char* bad : {"x:1:2", "r:1", "r:0x:2", "w:1:3:5", "w:1:1:256", "w:1:1:-129", "r:4294967296:1"}) {
        EXPECT_EQ(Run({"r:0x0AEC:2", bad}), 2) << bad;
        EXPECT_NE(err.str().find("usage: linkprobe"), std::string::npos) << bad;
    }
    EXPECT_EQ(os.sends, 0u);
    EXPECT_EQ(Run({"w:1:1:255", "w:1:1:-128"}), 0);  // the edges of one byte
}

}  // namespace
}  // namespace wendox::testing
