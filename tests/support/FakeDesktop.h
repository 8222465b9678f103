// A desktop whose clock the test sets, whose sound files are named by the
// test, and which writes every sound played to the event log by its file
// name, "\sound_ok.wav", and every message box as "{text}" ("{!text}" with
// the exclamation icon).
#pragma once

#include <set>
#include <string>

#include "engine/Desktop.h"
#include "support/EventLog.h"

namespace wendox::testing {

class FakeDesktop final : public Desktop {
public:
    float clockSeconds = 43200.0f;
    std::string folder = "C:\\Wendox";
    std::set<std::string> files{"C:\\Wendox\\sound_ok.wav", "C:\\Wendox\\sound_warning.wav",
                                "C:\\Wendox\\sound_failure.wav"};
    std::string* log = nullptr;

    float SecondsSinceMidnight() override { return clockSeconds; }
    const std::string& ProgramFolder() override { return folder; }
    char DecimalSeparator() override { return '.'; }
    bool IsOrdinaryFile(const std::string& path) override { return files.contains(path); }
    void PlaySoundFile(const std::string& path) override { LogEvent(log, path.substr(folder.size())); }
    void ShowMessage(const std::string& text, bool exclamation) override {
        LogEvent(log, (exclamation ? "{!" : "{") + text + "}");
    }
};

}  // namespace wendox::testing
