#include "config/Profile.h"

#include <charconv>
#include <optional>

#include "engine/NumberText.h"

namespace wendox {

namespace {

// The numbers a line may name: the component table has room for eight
// systems of fifteen components, though fewer are used.
constexpr double kSystemSlots = 8;
constexpr double kComponentSlots = kMaxComponentsPerSystem;
constexpr float kMaxReliability = 100.0f;
constexpr float kMaxHours = 999.0f;

// A system or component number: the text read as a number like the other
// fields, rounded to the nearest whole number, halves to even. The rounding
// takes the value the text names, not its single-precision neighbour
// ("2.5000001" is 3). It stays a double, so a huge number is merely out of
// range instead of overflowing an integer.
std::optional<double> TextToWhole(std::string_view text, char decimalSeparator) {
    const std::optional<float> single = TextToSingle(text, decimalSeparator);
    if (!single) return std::nullopt;

    // The text has the shape TextToSingle accepted: blanks around, a sign,
    // digits, the separator, an exponent.
    std::string normal;
    for (char ch : text)
        if (ch != ' ') normal.push_back(ch == decimalSeparator ? '.' : ch);
    if (!normal.empty() && normal.front() == '+') normal.erase(0, 1);
    double value = *single;
    std::from_chars(normal.data(), normal.data() + normal.size(), value);
    return RoundHalfEven(value);
}

// What a cell keeps of a value read: the number its text reads as (99.50 is
// kept as 99.5); a minus zero is kept as zero.
float Stored(float value) { return value == 0.0f ? 0.0f : ThroughText(value); }

// Takes one line into the catalogue; false when the line is an error.
bool TakeLine(Catalogue& catalogue, std::string_view line, char decimalSeparator) {
    const std::size_t first = line.find('#');
    if (first == std::string_view::npos) return false;
    const std::size_t second = line.find('#', first + 1);
    if (second == std::string_view::npos) return false;
    const std::size_t third = line.find('#', second + 1);
    if (third == std::string_view::npos) return false;

    const auto system = TextToWhole(line.substr(0, first), decimalSeparator);
    const auto component = TextToWhole(line.substr(first + 1, second - first - 1), decimalSeparator);
    const auto reliability = TextToSingle(line.substr(second + 1, third - second - 1), decimalSeparator);
    const auto hours = TextToSingle(line.substr(third + 1), decimalSeparator);
    if (!system || !component || !reliability || !hours) return false;

    const bool storeReliability = *reliability >= 0.0f && *reliability <= kMaxReliability;
    const bool storeHours = *hours >= 0.0f && *hours <= kMaxHours;
    if (!storeReliability && !storeHours) return true;  // skipped, whatever its numbers
    if (*system < 1 || *system > kSystemSlots || *component < 1 || *component > kComponentSlots) return false;

    // Within the table but naming no component: taken without effect.
    ComponentRecord* record = catalogue.Find(static_cast<std::int32_t>(*system), static_cast<std::int32_t>(*component));
    if (record == nullptr) return true;
    if (storeReliability) record->reliability = Stored(*reliability);
    if (storeHours) record->periodHours = Stored(*hours);
    return true;
}

}  // namespace

std::string FileTitle(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ProfileCaptionFor(std::string_view path) {
    return std::string(kProfileCaption) + " (" + FileTitle(path) + ")";
}

std::string ProfileText(const Catalogue& catalogue, char decimalSeparator) {
    std::string text;
    catalogue.ForEach([&](int system, int component, const ComponentRecord& c) {
        text += std::to_string(system);
        text += '#';
        text += std::to_string(component);
        text += '#';
        AppendSingleText(text, c.reliability, decimalSeparator);
        text += '#';
        AppendSingleText(text, c.periodHours, decimalSeparator);
        text += "\r\n";
    });
    return text;
}

bool WriteProfile(const std::string& path, FileStore& files, const Catalogue& catalogue, char decimalSeparator) {
    return files.WriteReplacing(path, ProfileText(catalogue, decimalSeparator));
}

bool ReadProfile(const std::string& path, FileStore& files, Catalogue& catalogue, char decimalSeparator) {
    const auto take = [&](std::string_view line) { return TakeLine(catalogue, line, decimalSeparator); };
    return files.ReadLines(path, take) == ReadOutcome::Done;
}

}  // namespace wendox
