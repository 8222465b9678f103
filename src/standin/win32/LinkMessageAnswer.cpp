#include "standin/win32/LinkMessageAnswer.h"

#include "link/RequestBlock.h"

namespace wendox::standin {

namespace {

// The client maps exactly one block; a smaller view (a client that is not
// ours) is worked through only as far as it goes.
std::uint32_t UsableViewSize(const void* view) {
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(view, &region, sizeof region) == 0) return 0;
    return region.RegionSize < kBlockSize ? static_cast<std::uint32_t>(region.RegionSize) : kBlockSize;
}

}  // namespace

LRESULT AnswerLinkMessage(ServerCore& core, WPARAM atom) {
    char name[256];
    if (GlobalGetAtomNameA(static_cast<ATOM>(atom), name, sizeof name) == 0) return 0;

    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, name);
    if (mapping == nullptr) return 0;
    void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0);
    if (view == nullptr) {
        CloseHandle(mapping);
        return 0;
    }

    const auto answer =
        core.ProcessBlock(static_cast<std::uint8_t*>(view), UsableViewSize(view), GetTickCount64());
    UnmapViewOfFile(view);
    CloseHandle(mapping);

    if (!answer) {
        Sleep(kNoAnswerDelayMs);
        return 0;
    }
    return static_cast<LRESULT>(*answer);
}

}  // namespace wendox::standin
