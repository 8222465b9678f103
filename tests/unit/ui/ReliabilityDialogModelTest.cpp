#include <gtest/gtest.h>

#include <algorithm>

#include "ui/model/ReliabilityDialogModel.h"

namespace wendox::ui {
namespace {

ReliabilityDialogModel Opened(float reliability, float hours, char separator = '.') {
    ReliabilityDialogModel model;
    model.Load(DialogValues{reliability, hours}, separator);
    return model;
}

std::string Thousandths(const ReliabilityDialogModel& m) { return m.thousandths.at(m.thousandthsIndex); }
std::string Hours(const ReliabilityDialogModel& m) { return m.hours.at(m.hoursIndex); }

// The place of `entry` in `list`; past its end (where a click changes nothing) when it is not there.
int IndexOf(const std::vector<std::string>& list, const std::string& entry) {
    return static_cast<int>(std::find(list.begin(), list.end(), entry) - list.begin());
}

TEST(ReliabilityDialogTest, ListsRunInTheirOrderAndHoursUseTheUsersSeparator) {
    ReliabilityDialogModel m = Opened(99.5f, 0.5f, ',');
    EXPECT_EQ(m.wholePercent.size() + m.thousandths.size(), 101u + 1000u);
    ASSERT_EQ(m.hours.size(), 1009u);  // 0,0 to 0,9, then 1 to 999: no 1,0
    EXPECT_EQ(m.hours[9], "0,9");
    EXPECT_EQ(m.hours[10], "1");
    EXPECT_EQ(m.hours.back(), "999");
    EXPECT_EQ(Hours(m), "0,5");
    // The reliability is joined and read with the point whatever the separator.
    EXPECT_EQ(std::make_tuple(m.Accept().reliability, m.Accept().hours), std::make_tuple(99.5f, 0.5f));
}

TEST(ReliabilityDialogTest, StartingValuesSelectTheirEntries) {
    const std::pair<float, std::string> cases[] = {
        {99.999f, "99.999"}, {0.001f, "0.001"}, {100.0f, "100.000"},
        {12.0625f, "12.062"},  // 62.5 thousandths: the half goes to the even 62
        {0.0005f, "0.000"},    // exactly 0.5 in single precision (double would give "001")
        // Values the lists lack show the nearest they hold.
        {99.9996f, "100.000"}, {150.0f, "100.000"}, {-3.5f, "0.000"},
    };
    for (const auto& [reliability, shown] : cases) {
        const ReliabilityDialogModel m = Opened(reliability, 1.0f);
        EXPECT_EQ(m.wholePercent.at(m.wholeIndex) + "." + Thousandths(m), shown);
    }
    EXPECT_EQ(Opened(99.999f, 1.0f).Accept().reliability, 99.999f);

    EXPECT_EQ(Hours(Opened(100.0f, 0.0f)), "0.0");
    EXPECT_EQ(Hours(Opened(100.0f, 1.0f)), "1");
    // Hours no entry shows get one of their own, in their place, kept on Accept.
    const ReliabilityDialogModel m = Opened(100.0f, 1.5f);
    EXPECT_EQ(Hours(m), "1.5");
    EXPECT_EQ(m.hours[m.hoursIndex + 1], "2");
    EXPECT_EQ(m.Accept().hours, 1.5f);
}

// The thousandths follow the whole percent ("0" and "100": "000", any other:
// "999"), and nothing above 100.000 can be chosen.
TEST(ReliabilityDialogTest, ClicksKeepTheThousandthsInStep) {
    const struct { bool whole; const char *entry, *thousandths; float accepted; } steps[] = {
        {false, "998", "000", 100.0f}, {true, "57", "999", 57.999f}, {false, "250", "250", 57.25f},
        {true, "99", "999", 99.999f},  {true, "100", "000", 100.0f}, {true, "0", "000", 0.0f},
    };
    ReliabilityDialogModel m = Opened(100.0f, 0.0f);
    for (const auto& step : steps) {
        SCOPED_TRACE(step.entry);
        step.whole ? m.ClickWholePercent(IndexOf(m.wholePercent, step.entry))
                   : m.ClickThousandths(IndexOf(m.thousandths, step.entry));
        EXPECT_EQ(Thousandths(m), step.thousandths);
        EXPECT_EQ(m.Accept().reliability, step.accepted);
    }
    EXPECT_EQ(m.Accept().hours, 0.0f);
}

}  // namespace
}  // namespace wendox::ui
