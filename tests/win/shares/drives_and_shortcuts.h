// What a drive-letter or shortcut test looks at, and the clean slate each such test starts from.
#pragma once
#include "platform/wnet_table.h"
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <string>

namespace testbed {
inline std::string DesktopFile(const std::string& name) {
    char path[MAX_PATH] = {};
    ::SHGetSpecialFolderPathA(nullptr, path, CSIDL_DESKTOP, FALSE);
    return std::string(path) + "\\" + name;
}

inline bool FileExists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The target a shortcut file points to, or why it could not be read.
inline std::string ShortcutTarget(const std::string& link) {
    IShellLinkA* shellLink = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&shellLink))))
        return "no shell link";
    std::string target = "not loaded";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH] = {};
        ::MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
        char path[MAX_PATH] = {};
        if (SUCCEEDED(file->Load(wide, STGM_READ)) && SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0)))
            target = path;
        file->Release();
    }
    shellLink->Release();
    return target;
}

// No drive letter, remembered connection or shortcut is left from another test.
inline void ForgetDrivesAndShortcuts() {
    for (char letter = 'F'; letter <= 'Z'; ++letter) {
        const char device[] = {letter, ':', '\0'};
        WNet().WNetCancelConnection2A(device, CONNECT_UPDATE_PROFILE, TRUE);
    }
    WIN32_FIND_DATAA found;
    const HANDLE search = ::FindFirstFileA(DesktopFile("*.lnk").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do ::DeleteFileA(DesktopFile(found.cFileName).c_str());
    while (::FindNextFileA(search, &found));
    ::FindClose(search);
}
}  // namespace testbed
