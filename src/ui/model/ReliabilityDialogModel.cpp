#include "ui/model/ReliabilityDialogModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/NumberText.h"

namespace wendox::ui {
namespace {

constexpr int kHighestWhole = 100;
constexpr int kHighestThousandths = 999;

// Both reliability lists run from their highest value down, one entry per
// step, so an entry's place follows from its value.
int WholeIndexOf(int whole) { return kHighestWhole - whole; }
int ThousandthsIndexOf(int thousandths) { return kHighestThousandths - thousandths; }

std::string ThreeDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%03d", value);
    return text;
}

// The pattern "0.0": at least one digit before the separator, exactly one after.
std::string OneDecimal(float value, char separator) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", static_cast<double>(value));
    std::string result = text;
    std::replace(result.begin(), result.end(), '.', separator);
    return result;
}

const std::string& Entry(const std::vector<std::string>& list, int index) {
    static const std::string none;
    return index >= 0 && index < static_cast<int>(list.size()) ? list[index] : none;
}

bool InList(const std::vector<std::string>& list, int index) {
    return index >= 0 && index < static_cast<int>(list.size());
}

struct Reliability {
    int whole;
    int thousandths;
};

// The whole percent and thousandths shown for a starting reliability. The
// thousandths are the remainder times 1000 in single precision, rounded
// halves to even. Two kinds of value have no entry of their own and are
// shown by the nearest value the lists can hold:
// - thousandths that round up to 1000 (99.9996) carry into the whole
//   percent: "100", "000", which is what the value reads as to three
//   decimals;
// - a value outside 0 to 100 (only a hand-edited profile holds one) is shown
//   as the end of the range it lies beyond, as the lists cannot go there.
Reliability StartingReliability(float reliability) {
    if (!(reliability > 0.0f)) return {0, 0};
    if (reliability >= static_cast<float>(kHighestWhole)) return {kHighestWhole, 0};
    const float whole = std::floor(reliability);
    const float scaled = (reliability - whole) * 1000.0f;
    Reliability shown{static_cast<int>(whole), static_cast<int>(RoundHalfEven(scaled))};
    if (shown.thousandths > kHighestThousandths) {
        ++shown.whole;
        shown.thousandths = 0;
    }
    return shown;
}

}  // namespace

void ReliabilityDialogModel::Load(const DialogValues& values, char decimalSeparator) {
    separator = decimalSeparator;

    wholePercent.clear();
    for (int whole = kHighestWhole; whole >= 0; --whole) wholePercent.push_back(std::to_string(whole));

    thousandths.clear();
    for (int part = kHighestThousandths; part >= 0; --part) thousandths.push_back(ThreeDigits(part));

    // The tenths come from a single-precision counter stepping by 0.1 while
    // it is at most 1; its eleventh value lies just above 1, so the tenths
    // stop at 0.9 and the whole numbers start at 1.
    hours.clear();
    for (float tenths = 0.0f; tenths <= 1.0f; tenths += 0.1f) hours.push_back(OneDecimal(tenths, separator));
    for (int whole = 1; whole <= 999; ++whole) hours.push_back(std::to_string(whole));

    const Reliability shown = StartingReliability(values.reliability);
    wholeIndex = WholeIndexOf(shown.whole);
    thousandthsIndex = ThousandthsIndexOf(shown.thousandths);

    // Hours that no entry shows (1.5 from a hand-edited profile) get an entry
    // of their own, in their place by value, so the dialog shows and, on
    // Accept, keeps what is stored.
    const std::string wanted = values.hours != 0.0f ? SingleToText(values.hours, separator) : hours.front();
    auto found = std::find(hours.begin(), hours.end(), wanted);
    if (found == hours.end()) {
        const float value = values.hours;
        found = std::upper_bound(hours.begin(), hours.end(), value, [this](float v, const std::string& entry) {
            return v < TextToSingle(entry, separator).value_or(0.0f);
        });
        found = hours.insert(found, wanted);
    }
    hoursIndex = static_cast<int>(found - hours.begin());
}

void ReliabilityDialogModel::ClickWholePercent(int index) {
    if (!InList(wholePercent, index)) return;
    wholeIndex = index;
    const std::string& whole = wholePercent[index];
    thousandthsIndex = ThousandthsIndexOf(whole == "0" || whole == "100" ? 0 : kHighestThousandths);
}

void ReliabilityDialogModel::ClickThousandths(int index) {
    if (!InList(thousandths, index)) return;
    thousandthsIndex = index;
    if (Entry(wholePercent, wholeIndex) == "100" && thousandths[index] != "000") thousandthsIndex = ThousandthsIndexOf(0);
}

AcceptedValues ReliabilityDialogModel::Accept() const {
    const std::string joined = Entry(wholePercent, wholeIndex) + "." + Entry(thousandths, thousandthsIndex);
    return {TextToSingle(joined, '.').value_or(0.0f), TextToSingle(Entry(hours, hoursIndex), separator).value_or(0.0f)};
}

}  // namespace wendox::ui
