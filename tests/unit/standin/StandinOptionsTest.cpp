#include <gtest/gtest.h>

#include "standin/core/StandinOptions.h"

namespace wendox::standin {
namespace {

TEST(StandinOptionsTest, EveryMisbehaviourCanBeAskedFor) {
    const auto options = ParseStandinArguments(
        {"--fs98main", "--old-version", "--no-answer", "--answer=7", "--tamper=size", "--airborne"});
    ASSERT_TRUE(options);
    EXPECT_TRUE(options->misbehaviour.fallbackClassOnly);
    EXPECT_TRUE(options->misbehaviour.noAnswer);
    EXPECT_EQ(options->misbehaviour.answer, 7u);
    EXPECT_EQ(options->misbehaviour.tamper, HeaderTamper::Size);
    EXPECT_TRUE(options->tooOldVersion);
    EXPECT_TRUE(options->airborne);
    EXPECT_EQ(ParseStandinArguments({"--tamper=end"})->misbehaviour.tamper, HeaderTamper::EndMarker);
    EXPECT_EQ(ParseStandinArguments({})->misbehaviour.answer, 1u);
}

TEST(StandinOptionsTest, UnknownOrMalformedArgumentsAreRefused) {
    for (const char* bad : {"--answer=", "--answer=x", "--answer=-1", "--tamper=all", "--fly", "airborne"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseStandinArguments({bad}));
    }
}

}  // namespace
}  // namespace wendox::standin
