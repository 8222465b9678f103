#include <gtest/gtest.h>

#include "standin/core/StandinOptions.h"

namespace wendox::standin {
namespace {

TEST(StandinOptionsTest, EveryMisbehaviourCanBeAskedForAndNothingElse) {
    const auto o = ParseStandinArguments(
        {"--fs98main", "--old-version", "--no-answer", "--answer=7", "--tamper=end", "--airborne"});
    ASSERT_TRUE(o);
    EXPECT_TRUE(o->misbehaviour.fallbackClassOnly && o->misbehaviour.noAnswer && o->tooOldVersion && o->airborne);
    EXPECT_EQ(o->misbehaviour.answer, 7u);
    EXPECT_EQ(o->misbehaviour.tamper, HeaderTamper::EndMarker);
    for (const char* bad : {"--answer=", "--answer=x", "--answer=-1", "--tamper=all", "airborne"})
        EXPECT_FALSE(ParseStandinArguments({bad})) << bad;
}

}  // namespace
}  // namespace wendox::standin
