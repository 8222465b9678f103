// What the reliability dialog shows and decides, apart from its window: the
// entries of its three lists, the entries selected for given starting
// values, the rules that keep the thousandths in step with the whole
// percent, and the values read back on Accept.
#pragma once

#include <string>
#include <vector>

#include "ui/model/DialogValues.h"

namespace wendox::ui {

struct AcceptedValues {
    float reliability;
    float hours;
};

struct ReliabilityDialogModel {
    std::vector<std::string> wholePercent;  // cboRelLeft: "100", "99", ... "0"
    std::vector<std::string> thousandths;   // cboRelRight: "999", "998", ... "000"
    std::vector<std::string> hours;         // cboHours: "0.0" ... "0.9", "1" ... "999"
    int wholeIndex = 0;
    int thousandthsIndex = 0;
    int hoursIndex = 0;
    char separator = '.';

    // Fills the lists and selects the entries for the starting reliability
    // and hours. A starting value that no entry shows is never left without
    // a selection: hours get an entry of their own, a reliability is brought
    // into 0.000 to 100.000 (see the .cpp).
    void Load(const DialogValues& values, char decimalSeparator);

    // The whole percent becomes the entry at `index`; the thousandths follow:
    // "000" for "0" and "100", "999" for any other. An index outside the list
    // changes nothing.
    void ClickWholePercent(int index);

    // The thousandths become the entry at `index`, but go back to "000" when
    // the whole percent reads "100": nothing above 100.000 % can be chosen.
    void ClickThousandths(int index);

    // The selected entries as numbers: the reliability joined as
    // whole "." thousandths and read with "." whatever the separator, the
    // hours read with the user's separator.
    AcceptedValues Accept() const;
};

}  // namespace wendox::ui
