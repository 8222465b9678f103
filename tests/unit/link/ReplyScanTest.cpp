// The reply is written by another process: a result other than 1, or any
// header changed, rejects it whole, and no variable is touched.
#include <array>

#include "link/LinkFixture.h"

namespace wendox::testing {
namespace {

using ReplyScanTest = LinkFixture;
using standin::HeaderTamper;
using M = standin::Misbehaviour;

TEST_F(ReplyScanTest, BadReplyIsRejectedAndTouchesNoVariable) {
    Open();
    for (const M& bad : {M{.answer = 0}, M{.answer = 2}, M{.tamper = HeaderTamper::Kind},
                         M{.tamper = HeaderTamper::Offset}, M{.tamper = HeaderTamper::Size},
                         M{.tamper = HeaderTamper::Destination}, M{.tamper = HeaderTamper::EndMarker}}) {
        SCOPED_TRACE(::testing::Message() << "answer " << bad.answer << ", tamper " << static_cast<int>(bad.tamper));
        // A 2-byte variable between guards: a server that grows the size must
        // not make the client write past it. A destination field changed to
        // the second record's must not send a value there.
        std::array<std::uint16_t, 5> guarded = {0x5A5A, 0x5A5A, 0x7777, 0xA5A5, 0xA5A5};
        const auto untouched = guarded;
        std::uint32_t gear = 0x12345678;
        ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &guarded[2], result));
        ASSERT_TRUE(LinkRead(link, simvar::GearControl.offset, 4, &gear, result));
        server.SetMisbehaviour(bad);
        EXPECT_TRUE(Refused(LinkProcess(link, result), LinkResult::ReplyRejected));
        EXPECT_EQ(guarded, untouched);
        EXPECT_EQ(gear, 0x12345678u);

        // The link goes on working once the server behaves.
        server.SetMisbehaviour({});
        ASSERT_TRUE(LinkRead(link, simvar::EngineCount.offset, 2, &guarded[2], result));
        EXPECT_TRUE(LinkProcess(link, result));
        EXPECT_EQ(guarded[2], 2);
    }
}

}  // namespace
}  // namespace wendox::testing
