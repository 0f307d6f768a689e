#include "shares/desktop_shortcut.h"
#include "framework/handles.h"
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {
std::string ShortcutPath(int folder, const std::string& name) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, folder, &items))) return std::string();
    char path[MAX_PATH] = {};
    const BOOL found = ::SHGetPathFromIDListA(items, path);
    fw::com_ptr<IMalloc> allocator;
    if (SUCCEEDED(::SHGetMalloc(allocator.put()))) allocator->Free(items);
    return found ? std::string(path) + "\\" + name + ".lnk" : std::string();
}
}  // namespace

void CreateDesktopShortcut(int folder, const std::string& name, const std::string& target) {
    if (name.empty()) return;
    const std::string link = ShortcutPath(folder, name);
    if (link.empty()) return;
    fw::com_ptr<IShellLinkA> shellLink;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  shellLink.put_void())))
        return;
    shellLink->SetPath(target.c_str());
    shellLink->SetWorkingDirectory(target.c_str());
    char program[MAX_PATH] = {};
    if (::GetModuleFileNameA(nullptr, program, MAX_PATH)) shellLink->SetIconLocation(program, 1);
    fw::com_ptr<IPersistFile> file;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, file.put_void()))) {
        wchar_t wide[MAX_PATH] = {};
        if (::MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH)) file->Save(wide, TRUE);
    }
}

void DeleteDesktopShortcut(int folder, const std::string& name) {
    if (name.empty()) return;
    const std::string link = ShortcutPath(folder, name);
    if (!link.empty()) ::DeleteFileA(link.c_str());
}
