#include "engine/StatusReport.h"

#include <array>
#include <charconv>
#include <cstring>

namespace wendox {

namespace {

void AppendFailureList(EngineState& s) {
    std::string& text = s.statusText;
    text += ".. ";
    for (int i = s.failed.count - 1; i >= 0; --i) {
        if (text.size() >= kStatusListLimit) {
            text += "...";
            return;
        }
        const FailedEntry& entry = s.failed.entries[i];
        const ComponentRecord* component = s.catalogue.Find(entry.system, entry.component);
        if (component == nullptr) continue;
        if (i != s.failed.count - 1) text += ", ";
        text += s.catalogue.systems[entry.system - 1].shortName;
        text += '(';
        text += component->name;
        text += ')';
    }
}

}  // namespace

void ShowStatus(EngineState& s, bool forced) {
    if (!forced && s.failed.count >= 1 && s.settings.displayFailures && !s.settings.hardcoreMode)
        AppendFailureList(s);
    if (!forced && s.settings.hardcoreMode) s.statusText += " Hardcore Mode.";
    if (!forced && s.statusText == s.lastStatusText) return;

    s.view->SetStatusCaption(s.statusText);
    s.lastStatusText = s.statusText;
    if (forced || s.settings.displayUpdate) SendSimMessage(s, s.statusText);
}

void SendSimMessage(EngineState& s, std::string_view text) {
    std::array<char, simvar::MessageText.size> field{};
    const std::size_t room = field.size() - 1;  // the last byte stays the terminating zero
    const std::size_t prefix = std::min(room, sizeof kMessagePrefix - 1);
    std::memcpy(field.data(), kMessagePrefix, prefix);
    std::memcpy(field.data() + prefix, text.data(), std::min(room - prefix, text.size()));

    LinkResult result;
    if (!LinkWrite(s.link, simvar::MessageText.offset, simvar::MessageText.size, field.data(), result)) return;
    const std::uint16_t seconds = kMessageSeconds;
    LinkWrite(s.link, simvar::MessageSeconds.offset, simvar::MessageSeconds.size, &seconds, result);
    LinkProcess(s.link, result);
}

void PlaySound(EngineState& s, std::string_view fileName) {
    std::string path = s.desktop->ProgramFolder();
    path += fileName;
    if (s.desktop->IsOrdinaryFile(path)) s.desktop->PlaySoundFile(path);
}

}  // namespace wendox
