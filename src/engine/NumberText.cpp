#include "engine/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace wendox {

void AppendSingleText(std::string& to, float value, char decimalSeparator) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.7G", static_cast<double>(value));
    for (int i = 0; i < length; ++i) to.push_back(text[i] == '.' ? decimalSeparator : text[i]);
}

std::string SingleToText(float value, char decimalSeparator) {
    std::string text;
    AppendSingleText(text, value, decimalSeparator);
    return text;
}

std::optional<float> TextToSingle(std::string_view text, char decimalSeparator) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);

    // Copy into the form from_chars reads, checking the shape on the way.
    // However many digits the number has, it is read exactly.
    std::string normal;
    std::size_t at = 0;
    auto put = [&](char c) { normal.push_back(c); };
    auto digits = [&]() {
        std::size_t count = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at, ++count) put(text[at]);
        return count;
    };
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        if (text[at] == '-') put('-');
        ++at;
    }
    std::size_t mantissaDigits = digits();
    if (at < text.size() && text[at] == decimalSeparator) {
        put('.');
        ++at;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        put('e');
        ++at;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) put(text[at++]);
        if (digits() == 0) return std::nullopt;
    }
    if (at != text.size()) return std::nullopt;

    double value = 0;
    const char* const last = normal.data() + normal.size();
    const auto [end, error] = std::from_chars(normal.data(), last, value);
    if (error != std::errc{} || end != last) return std::nullopt;
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) return std::nullopt;
    return static_cast<float>(value);
}

float ThroughText(float value) { return TextToSingle(SingleToText(value, '.'), '.').value_or(value); }

double RoundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction < 0.5) return down;
    if (fraction > 0.5) return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

}  // namespace wendox
