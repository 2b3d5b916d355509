#include "platform/qt/file_drops.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "platform/qt/test_seams.h"

struct HDROP__ {
    std::vector<std::string> paths;
};

namespace {

// Handles are looked up before use, so a finished or foreign handle is refused, not read.
std::unordered_set<HDROP>& live_drops() {
    static std::unordered_set<HDROP> drops;
    return drops;
}

}  // namespace

HDROP make_drop(std::vector<std::string> paths) {
    HDROP drop = new HDROP__{std::move(paths)};
    live_drops().insert(drop);
    return drop;
}

UINT WINAPI DragQueryFileA(HDROP drop, UINT index, LPSTR buffer, UINT buffer_size) {
    if (live_drops().count(drop) == 0) {
        return 0;
    }
    if (index == 0xFFFFFFFFu) {
        return static_cast<UINT>(drop->paths.size());
    }
    if (index >= drop->paths.size()) {
        return 0;
    }
    const std::string& path = drop->paths[index];
    if (buffer == nullptr) {
        return static_cast<UINT>(path.size());
    }
    if (buffer_size == 0) {
        return 0;
    }
    const std::size_t count = std::min<std::size_t>(path.size(), buffer_size - 1);
    std::memcpy(buffer, path.data(), count);
    buffer[count] = '\0';
    return static_cast<UINT>(count);
}

void WINAPI DragFinish(HDROP drop) {
    if (live_drops().erase(drop) != 0) {
        delete drop;
    }
}

HDROP win32_test::make_drop_handle(const std::vector<std::string>& paths) {
    return make_drop(paths);
}
