#include "widgets/drop_items.h"
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <sys/stat.h>
#include <vector>

std::string ResolveShortcut(const std::string& path) {
    if (path.empty()) return std::string();
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return std::string();
    std::string target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        const int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
        std::vector<wchar_t> wide(static_cast<size_t>(length > 0 ? length : 1));
        ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
        if (SUCCEEDED(file->Load(wide.data(), STGM_READ))) {
            char buffer[MAX_PATH] = {};
            WIN32_FIND_DATAA unused;
            if (SUCCEEDED(link->GetPath(buffer, MAX_PATH, &unused, SLGP_UNCPRIORITY))) target = buffer;
        }
        file->Release();
    }
    link->Release();
    return target;
}

bool ClassifyDropItem(const std::string& path, uint32_t acceptFlags, uint32_t& itemType) {
    struct _stat64 status;
    if (::_stat64(path.c_str(), &status) != 0) return false;
    if ((acceptFlags & DROP_ACCEPT_FOLDERS) && (status.st_mode & _S_IFDIR)) {
        itemType = DROP_ITEM_FOLDER;
        return true;
    }
    if ((acceptFlags & DROP_ACCEPT_FILES) && (status.st_mode & _S_IFREG)) {
        itemType = DROP_ITEM_FILE;
        return true;
    }
    return false;
}
