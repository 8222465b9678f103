// A link against the stand-in server's core through the fake operating system.
#pragma once

#include <gtest/gtest.h>

#include "link/Link.h"
#include "standin/core/FlightModel.h"
#include "standin/core/ServerCore.h"
#include "support/FakeLinkOs.h"

namespace wendox::testing {

class LinkFixture : public ::testing::Test {
protected:
    LinkFixture() { standin::StartFlight(server); }

    void Open() {
        ASSERT_TRUE(LinkOpen(link, 0, result)) << Code(result);
        os.sends = 0;
        os.pauses.clear();
    }

    // Nothing the link took from the system is left behind.
    void ExpectNothingHeld() const {
        EXPECT_EQ(link.view, nullptr);
        EXPECT_EQ(link.atom, 0);
        EXPECT_EQ(link.mapping, 0u);
        EXPECT_EQ(os.liveAtoms, 0);
        EXPECT_EQ(os.liveViews, 0);
        EXPECT_EQ(os.liveHandles, 0);
    }

    standin::ServerCore server;
    FakeLinkOs os{server};
    LinkState link{os};
    LinkResult result = LinkResult::Ok;
};

}  // namespace wendox::testing
