#include "file_drop.h"
#include <shlobj.h>
#include <cstring>

namespace {
template <typename Char>
void PostDropOf(HWND target, const std::vector<std::basic_string<Char>>& paths) {
    std::basic_string<Char> names;
    for (const auto& path : paths) names += path + Char(0);
    names += Char(0);
    const size_t bytes = names.size() * sizeof(Char);
    HGLOBAL memory = ::GlobalAlloc(GHND | GMEM_SHARE, sizeof(DROPFILES) + bytes);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = {20, 30};
    header->fWide = sizeof(Char) > 1;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), bytes);
    ::GlobalUnlock(memory);
    ::PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}
}  // namespace

void PostFileDrop(HWND target, const std::vector<std::string>& paths) { PostDropOf(target, paths); }

void PostWideFileDrop(HWND target, const std::vector<std::wstring>& paths) { PostDropOf(target, paths); }
