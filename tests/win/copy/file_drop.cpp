#include "file_drop.h"
#include <shlobj.h>
#include <cstring>

void PostFileDrop(HWND target, const std::vector<std::string>& paths) {
    std::string names;
    for (const std::string& path : paths) names += path + '\0';
    names += '\0';
    HGLOBAL memory = ::GlobalAlloc(GHND | GMEM_SHARE, sizeof(DROPFILES) + names.size());
    auto* header = static_cast<DROPFILES*>(::GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->pt = {20, 30};
    header->fWide = FALSE;
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names.data(), names.size());
    ::GlobalUnlock(memory);
    ::PostMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}
