#include "shares/desktop_shortcut.h"
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
    IMalloc* allocator = nullptr;
    if (SUCCEEDED(::SHGetMalloc(&allocator))) {
        allocator->Free(items);
        allocator->Release();
    }
    return found ? std::string(path) + "\\" + name + ".lnk" : std::string();
}

// Workers make shortcuts too: COM is started on the calling thread when it is not yet.
class ComOnThisThread {
public:
    ComOnThisThread() : m_result(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComOnThisThread() {
        if (SUCCEEDED(m_result)) ::CoUninitialize();
    }

private:
    HRESULT m_result;
};
}  // namespace

void CreateDesktopShortcut(int folder, const std::string& name, const std::string& target) {
    const std::string link = ShortcutPath(folder, name);
    if (link.empty()) return;
    ComOnThisThread com;
    IShellLinkA* shellLink = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&shellLink))))
        return;
    shellLink->SetPath(target.c_str());
    shellLink->SetWorkingDirectory(target.c_str());
    char program[MAX_PATH] = {};
    if (::GetModuleFileNameA(nullptr, program, MAX_PATH)) shellLink->SetIconLocation(program, 1);
    IPersistFile* file = nullptr;
    if (SUCCEEDED(shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH] = {};
        if (::MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH)) file->Save(wide, TRUE);
        file->Release();
    }
    shellLink->Release();
}

void DeleteDesktopShortcut(int folder, const std::string& name) {
    const std::string link = ShortcutPath(folder, name);
    if (!link.empty()) ::DeleteFileA(link.c_str());
}
