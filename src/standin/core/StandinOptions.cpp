#include "standin/core/StandinOptions.h"

#include <charconv>

namespace wendox::standin {

namespace {

std::optional<std::uintptr_t> ParseAnswer(std::string_view text) {
    std::uintptr_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<HeaderTamper> ParseTamper(std::string_view text) {
    if (text == "kind") return HeaderTamper::Kind;
    if (text == "offset") return HeaderTamper::Offset;
    if (text == "size") return HeaderTamper::Size;
    if (text == "destination") return HeaderTamper::Destination;
    if (text == "end") return HeaderTamper::EndMarker;
    return std::nullopt;
}

}  // namespace

std::optional<StandinOptions> ParseStandinArguments(const std::vector<std::string_view>& arguments) {
    constexpr std::string_view kAnswer = "--answer=";
    constexpr std::string_view kTamper = "--tamper=";

    StandinOptions options;
    for (std::string_view argument : arguments) {
        if (argument == "--fs98main") {
            options.misbehaviour.fallbackClassOnly = true;
        } else if (argument == "--old-version") {
            options.tooOldVersion = true;
        } else if (argument == "--no-answer") {
            options.misbehaviour.noAnswer = true;
        } else if (argument == "--airborne") {
            options.airborne = true;
        } else if (argument.starts_with(kAnswer)) {
            const auto answer = ParseAnswer(argument.substr(kAnswer.size()));
            if (!answer) return std::nullopt;
            options.misbehaviour.answer = *answer;
        } else if (argument.starts_with(kTamper)) {
            const auto tamper = ParseTamper(argument.substr(kTamper.size()));
            if (!tamper) return std::nullopt;
            options.misbehaviour.tamper = *tamper;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace wendox::standin
