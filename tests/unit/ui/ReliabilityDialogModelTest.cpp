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

std::string Hours(const ReliabilityDialogModel& m) { return m.hours.at(m.hoursIndex); }

// The lists a dialog opens with (the hours with the user's separator), and
// the entries it shows for the reliability and hours it opens with.
TEST(ReliabilityDialogTest, ListsRunInTheirOrderAndStartingValuesSelectTheirEntries) {
    const ReliabilityDialogModel lists = Opened(99.5f, 0.5f, ',');
    EXPECT_EQ(lists.wholePercent.size() + lists.thousandths.size(), 101u + 1000u);
    ASSERT_EQ(lists.hours.size(), 1009u);  // 0,0 to 0,9, then 1 to 999: no 1,0
    EXPECT_EQ(std::make_tuple(lists.hours[9], lists.hours[10], lists.hours.back(), Hours(lists)),
              std::make_tuple("0,9", "1", "999", "0,5"));
    // The reliability is joined and read with the point whatever the separator.
    EXPECT_EQ(std::make_tuple(lists.Accept().reliability, lists.Accept().hours), std::make_tuple(99.5f, 0.5f));

    const struct { float reliability, hours; std::string shown; } cases[] = {
        {99.999f, 1.0f, "99.999 1"}, {0.001f, 0.0f, "0.001 0.0"}, {100.0f, 0.5f, "100.000 0.5"},
        {12.0625f, 1.0f, "12.062 1"},  // 62.5 thousandths: the half goes to the even 62
        {0.0005f, 1.0f, "0.000 1"},    // exactly 0.5 in single precision (double would give "001")
        // Values the lists lack show the nearest they hold; hours get an entry of their own.
        {99.9996f, 1.5f, "100.000 1.5"}, {150.0f, 1.0f, "100.000 1"}, {-3.5f, 1.0f, "0.000 1"},
    };
    for (const auto& c : cases) {
        const ReliabilityDialogModel m = Opened(c.reliability, c.hours);
        EXPECT_EQ(m.wholePercent.at(m.wholeIndex) + '.' + m.thousandths.at(m.thousandthsIndex) + ' ' + Hours(m),
                  c.shown);
    }
    // The entry of their own is in its place (Accept reads the hours shown, as above).
    const ReliabilityDialogModel m = Opened(100.0f, 1.5f);
    EXPECT_EQ(m.hours.at(m.hoursIndex + 1), "2");
}

// The thousandths follow the whole percent ("0" and "100": "000", any other:
// "999"), and nothing above 100.000 can be chosen.
TEST(ReliabilityDialogTest, ClicksKeepTheThousandthsInStep) {
    // A click in either list, and what Accept then gives (the thousandths shown follow from it).
    const struct { bool whole; const char* entry; float accepted; } steps[] = {
        {false, "998", 100.0f}, {true, "57", 57.999f}, {false, "250", 57.25f},
        {true, "99", 99.999f},  {true, "100", 100.0f}, {true, "0", 0.0f},
    };
    // The place of an entry in a list; past its end (where a click changes nothing) when it is not there.
    auto at = [](const auto& list, const char* entry) { return int(std::ranges::find(list, entry) - list.begin()); };
    ReliabilityDialogModel m = Opened(100.0f, 1.0f);
    for (const auto& [whole, entry, accepted] : steps) {
        SCOPED_TRACE(entry);
        whole ? m.ClickWholePercent(at(m.wholePercent, entry)) : m.ClickThousandths(at(m.thousandths, entry));
        EXPECT_EQ(m.Accept().reliability, accepted);
    }
}

}  // namespace
}  // namespace wendox::ui
