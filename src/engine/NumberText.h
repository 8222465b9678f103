// Numbers as the user sees and stores them: the standard conversion of a
// single-precision number to text (at most seven significant digits, no
// trailing zeros, the user's decimal separator) and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wendox {

// Appends the text of `value` to `to`: 100 -> "100", 99.5 -> "99.5",
// 0.5 -> "0,5" with a comma separator; very large or small values take an
// exponent ("1E-05").
void AppendSingleText(std::string& to, float value, char decimalSeparator);
std::string SingleToText(float value, char decimalSeparator);

// Reads a number written with `decimalSeparator`, blanks around it allowed:
// an optional sign, digits with at most one separator, an optional exponent.
// Nothing for anything else, or for a value beyond single precision.
std::optional<float> TextToSingle(std::string_view text, char decimalSeparator);

// The value a stored text gives back: a reliability or period is kept as the
// number its text reads as, so computing with it matches what is shown.
float ThroughText(float value);

// Rounds to the nearest whole number, halves to the even neighbour.
double RoundHalfEven(double value);

}  // namespace wendox
