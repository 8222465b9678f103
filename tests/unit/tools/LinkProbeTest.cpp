#include <sstream>
#include <tuple>

#include "link/LinkFixture.h"
#include "tools/linkprobe/LinkProbe.h"

namespace wendox::testing {
namespace {

using LinkProbeTest = LinkFixture;

// A value must fit its size, a negative one as its two's complement (255 and
// -128 are the edges of one byte); a read of no integer's size prints its
// bytes in hexadecimal.
TEST_F(LinkProbeTest, ValuesFitTheirSizeAndOddSizedReadsPrintTheirBytes) {
    const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
        {{"w:0x0BC0:1:256"}, 2, ""},  // does not fit one byte: refused
        {{"w:0x0BC0:1:-129"}, 2, ""},
        {{"w:0x0BC0:1:255", "w:0x0BC1:1:-128", "r:0x0BC0:2", "w:0x0BC0:2:-2", "r:0x0BC0:2", "r:0x3308:3"}, 0,
         "0x0BC0=33023\n0x0BC0=65534\n0x3308=0600DE\n"},
    };
    for (const auto& [args, status, printed] : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunLinkProbe(os, args, out, err), status) << args[0];
        EXPECT_EQ(out.str(), printed) << args[0];
    }
}

}  // namespace
}  // namespace wendox::testing
