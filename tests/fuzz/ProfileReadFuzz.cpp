// A profile file is written by the user, by hand or by another program. Read
// any bytes as one; whatever the reader accepts must survive being written
// back and read again with every reliability and period unchanged, bit for
// bit. The first byte picks the decimal separator, the rest is the file.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "config/Profile.h"
#include "engine/Catalogue.h"
#include "engine/EngineState.h"

using namespace wendox;

namespace {

// No simulator: every call the link makes fails.
class NoServerLinkOs final : public LinkOs {
public:
    OsHandle FindTopLevelWindow(const char*) override { return 0; }
    std::uint32_t RegisterMessage(const char*) override { return 0; }
    std::uint32_t CurrentProcessId() override { return 1; }
    std::uint16_t AddGlobalAtom(const char*) override { return 0; }
    void DeleteGlobalAtom(std::uint16_t) override {}
    OsHandle CreateMapping(const char*, std::uint32_t) override { return 0; }
    std::uint8_t* MapView(OsHandle) override { return nullptr; }
    void UnmapView(std::uint8_t*) override {}
    void CloseHandle(OsHandle) override {}
    std::uint32_t LastError() override { return 0; }
    bool SendMessageTimed(OsHandle, std::uint32_t, std::uintptr_t, std::intptr_t, std::uint32_t, std::uint32_t,
                          std::uintptr_t&) override {
        return false;
    }
    void Sleep(std::uint32_t) override {}
};

class QuietDesktop final : public Desktop {
public:
    char separator = '.';
    int messages = 0;
    std::string folder = "C:\\Wendox";

    float SecondsSinceMidnight() override { return 43200.0f; }
    const std::string& ProgramFolder() override { return folder; }
    char DecimalSeparator() override { return separator; }
    bool IsOrdinaryFile(const std::string&) override { return false; }
    void PlaySoundFile(const std::string&) override {}
    void ShowMessage(const std::string&, bool) override { ++messages; }
};

class QuietView final : public EngineView {
public:
    void FillSystems() override {}
    void RefillComponents() override {}
    void SetStatusCaption(const std::string&) override {}
    bool ComponentListVisible() override { return true; }
    void SetComponentListVisible(bool) override {}
    void StartTimer() override {}
    void SetProfileCaption(const std::string&) override {}
};

class MemoryFiles final : public FileStore {
public:
    std::map<std::string, std::string> files;

    std::optional<std::string> ReadAll(const std::string& path) override {
        const auto found = files.find(path);
        if (found == files.end()) return std::nullopt;
        return found->second;
    }
    bool WriteReplacing(const std::string& path, std::string_view content) override {
        files[path] = content;
        return true;
    }
};

// Every component's two values, as bits, so that even the sign of a zero
// must come back.
std::vector<std::uint32_t> Values(const Catalogue& catalogue) {
    std::vector<std::uint32_t> values;
    catalogue.ForEach([&](int, int, const ComponentRecord& c) {
        values.push_back(std::bit_cast<std::uint32_t>(c.reliability));
        values.push_back(std::bit_cast<std::uint32_t>(c.periodHours));
    });
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static NoServerLinkOs os;
    static QuietDesktop desktop;
    static QuietView view;
    static const std::string path = "C:\\Profiles\\Fuzz.wdp";

    desktop.separator = (data[0] & 1) != 0 ? ',' : '.';
    desktop.messages = 0;
    MemoryFiles files;
    files.files[path].assign(reinterpret_cast<const char*>(data + 1), size - 1);
    EngineState s(os, desktop, view);
    s.catalogue = BuildCatalogue();
    s.settings.lastProfile = path;

    ReadProfile(s, files);
    if (desktop.messages != 0) return 0;  // refused: nothing more to hold it to
    const std::vector<std::uint32_t> accepted = Values(s.catalogue);

    WriteProfile(s, files);
    s.catalogue = BuildCatalogue();
    ReadProfile(s, files);
    if (desktop.messages != 0 || Values(s.catalogue) != accepted) std::abort();
    return 0;
}
