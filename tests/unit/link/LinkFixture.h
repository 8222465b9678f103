// A link against the stand-in server's core through the fake operating system.
#pragma once

#include <gtest/gtest.h>

#include "link/ByteOrder.h"
#include "link/Link.h"
#include "standin/core/FlightModel.h"
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

    // An operation that failed, and the result it gave.
    ::testing::AssertionResult Refused(bool succeeded, LinkResult code) const {
        if (!succeeded && result == code) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << (succeeded ? "succeeded, result " : "failed, result ") << Code(result);
    }

    standin::ServerCore server;
    FakeLinkOs os{server};
    LinkState link{os};
    LinkResult result = LinkResult::Ok;
};

}  // namespace wendox::testing
