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

std::string Whole(const ReliabilityDialogModel& m) { return m.wholePercent.at(m.wholeIndex); }
std::string Thousandths(const ReliabilityDialogModel& m) { return m.thousandths.at(m.thousandthsIndex); }
std::string Hours(const ReliabilityDialogModel& m) { return m.hours.at(m.hoursIndex); }

int IndexOf(const std::vector<std::string>& list, const std::string& entry) {
    const auto found = std::find(list.begin(), list.end(), entry);
    EXPECT_NE(found, list.end()) << entry;
    return static_cast<int>(found - list.begin());
}

TEST(ReliabilityDialogListsTest, EntriesRunInTheirOrderWithoutOnePointZero) {
    const ReliabilityDialogModel m = Opened(100.0f, 1.0f);
    ASSERT_EQ(m.wholePercent.size(), 101u);
    EXPECT_EQ(m.wholePercent.front(), "100");
    EXPECT_EQ(m.wholePercent[43], "57");
    EXPECT_EQ(m.wholePercent.back(), "0");

    ASSERT_EQ(m.thousandths.size(), 1000u);
    EXPECT_EQ(m.thousandths.front(), "999");
    EXPECT_EQ(m.thousandths[992], "007");
    EXPECT_EQ(m.thousandths.back(), "000");

    ASSERT_EQ(m.hours.size(), 1009u);
    const std::vector<std::string> tenths(m.hours.begin(), m.hours.begin() + 10);
    EXPECT_EQ(tenths, (std::vector<std::string>{"0.0", "0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9"}));
    EXPECT_EQ(m.hours[10], "1");
    EXPECT_EQ(m.hours.back(), "999");
    EXPECT_EQ(std::count(m.hours.begin(), m.hours.end(), "1.0"), 0);
}

TEST(ReliabilityDialogListsTest, CommaLocaleWritesAndReadsHoursWithTheCommaButReliabilityWithThePoint) {
    ReliabilityDialogModel m = Opened(99.5f, 0.5f, ',');
    EXPECT_EQ(m.hours[0], "0,0");
    EXPECT_EQ(m.hours[9], "0,9");
    EXPECT_EQ(std::count(m.hours.begin(), m.hours.end(), "1,0"), 0);
    EXPECT_EQ(Whole(m), "99");
    EXPECT_EQ(Thousandths(m), "500");
    EXPECT_EQ(Hours(m), "0,5");
    const AcceptedValues accepted = m.Accept();
    EXPECT_EQ(accepted.reliability, 99.5f);
    EXPECT_EQ(accepted.hours, 0.5f);

    EXPECT_EQ(Hours(Opened(100.0f, 0.0f, ',')), "0,0");
    m = Opened(100.0f, 1.5f, ',');  // an entry of its own, written with the comma
    EXPECT_EQ(Hours(m), "1,5");
    EXPECT_EQ(m.Accept().hours, 1.5f);
}

TEST(ReliabilityDialogStartTest, ReliabilityShowsAsWholeAndThousandths) {
    struct Case {
        float reliability;
        const char* whole;
        const char* thousandths;
    };
    const Case cases[] = {
        {99.999f, "99", "999"}, {0.001f, "0", "001"}, {100.0f, "100", "000"},
        {12.0625f, "12", "062"},  // 62.5 thousandths: the half goes to the even 62
        {12.0075f, "12", "007"},  // 7.4997 in single precision: rounds down
        {0.0005f, "0", "000"},    // exactly 0.5 in single precision (double would give "001")
        // Values the lists lack show the nearest they hold: thousandths that
        // round to 1000 are carried, values beyond 0 to 100 meet the ends.
        {99.9996f, "100", "000"}, {5.9997f, "6", "000"}, {150.0f, "100", "000"}, {-3.5f, "0", "000"},
    };
    for (const Case& c : cases) {
        const ReliabilityDialogModel m = Opened(c.reliability, 1.0f);
        EXPECT_EQ(Whole(m), c.whole) << c.reliability;
        EXPECT_EQ(Thousandths(m), c.thousandths) << c.reliability;
    }
    EXPECT_EQ(Opened(99.999f, 1.0f).Accept().reliability, 99.999f);
    EXPECT_EQ(Opened(99.9996f, 1.0f).Accept().reliability, 100.0f);
}

TEST(ReliabilityDialogStartTest, HoursSelectTheirEntryOrGetOneInTheirPlace) {
    EXPECT_EQ(Hours(Opened(100.0f, 0.0f)), "0.0");
    EXPECT_EQ(Hours(Opened(100.0f, 0.5f)), "0.5");
    EXPECT_EQ(Hours(Opened(100.0f, 1.0f)), "1");
    EXPECT_EQ(Opened(100.0f, 250.0f).hours.size(), 1009u);  // no entry added for a value the list holds

    ReliabilityDialogModel m = Opened(100.0f, 1.5f);
    ASSERT_EQ(m.hours.size(), 1010u);
    EXPECT_EQ(Hours(m), "1.5");
    EXPECT_EQ(m.hours[m.hoursIndex - 1], "1");
    EXPECT_EQ(m.hours[m.hoursIndex + 1], "2");
    EXPECT_EQ(m.Accept().hours, 1.5f);

    m = Opened(100.0f, 0.05f);
    EXPECT_EQ(m.hoursIndex, 1);
    EXPECT_EQ(Hours(m), "0.05");

    m = Opened(100.0f, 1500.0f);
    EXPECT_EQ(Hours(m), "1500");
    EXPECT_EQ(m.hoursIndex, 1009);

    m = Opened(100.0f, -2.0f);
    EXPECT_EQ(Hours(m), "-2");
    EXPECT_EQ(m.hoursIndex, 0);
    EXPECT_EQ(m.Accept().hours, -2.0f);
}

TEST(ReliabilityDialogClickTest, WholePercentSetsTheThousandths) {
    ReliabilityDialogModel m = Opened(99.5f, 1.0f);
    m.ClickWholePercent(IndexOf(m.wholePercent, "57"));
    EXPECT_EQ(Whole(m), "57");
    EXPECT_EQ(Thousandths(m), "999");
    EXPECT_EQ(m.Accept().reliability, 57.999f);

    m.ClickWholePercent(IndexOf(m.wholePercent, "0"));
    EXPECT_EQ(Thousandths(m), "000");
    m.ClickWholePercent(IndexOf(m.wholePercent, "99"));
    EXPECT_EQ(Thousandths(m), "999");
    m.ClickWholePercent(IndexOf(m.wholePercent, "100"));
    EXPECT_EQ(Thousandths(m), "000");
    EXPECT_EQ(m.Accept().reliability, 100.0f);
}

TEST(ReliabilityDialogClickTest, NothingAboveOneHundredCanBeChosen) {
    ReliabilityDialogModel m = Opened(100.0f, 1.0f);
    m.ClickThousandths(IndexOf(m.thousandths, "998"));
    EXPECT_EQ(Thousandths(m), "000");
    EXPECT_EQ(m.Accept().reliability, 100.0f);

    m.ClickWholePercent(IndexOf(m.wholePercent, "42"));
    m.ClickThousandths(IndexOf(m.thousandths, "250"));
    EXPECT_EQ(Thousandths(m), "250");
    EXPECT_EQ(m.Accept().reliability, 42.25f);
}

TEST(ReliabilityDialogAcceptTest, LowestChoiceIsAcceptedAsZeroAndZero) {
    ReliabilityDialogModel m = Opened(50.0f, 10.0f);
    m.ClickWholePercent(101);  // outside the list: nothing changes
    EXPECT_EQ(Whole(m), "50");
    m.ClickWholePercent(IndexOf(m.wholePercent, "0"));
    m.hoursIndex = IndexOf(m.hours, "0.0");
    const AcceptedValues accepted = m.Accept();
    EXPECT_EQ(accepted.reliability, 0.0f);
    EXPECT_EQ(accepted.hours, 0.0f);
}

}  // namespace
}  // namespace wendox::ui
