#include "widgets/drop_items.h"
#include "framework/handles.h"
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

std::wstring ResolveShortcut(const std::wstring& path) {
    if (path.empty()) return std::wstring();
    fw::com_ptr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void())))
        return std::wstring();
    fw::com_ptr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void())) || FAILED(file->Load(path.c_str(), STGM_READ)))
        return std::wstring();
    wchar_t buffer[MAX_PATH] = {};
    WIN32_FIND_DATAW unused;
    if (FAILED(link->GetPath(buffer, MAX_PATH, &unused, SLGP_UNCPRIORITY))) return std::wstring();
    return buffer;
}

bool ClassifyDropItem(const std::wstring& path, uint32_t acceptFlags, uint32_t& itemType) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (!(acceptFlags & DROP_ACCEPT_FOLDERS)) return false;
        itemType = DROP_ITEM_FOLDER;
        return true;
    }
    // Devices and the like are no files to copy.
    if (!(acceptFlags & DROP_ACCEPT_FILES) || (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE)) return false;
    itemType = DROP_ITEM_FILE;
    return true;
}

void ReadDrop(DropRead& drop) {
    for (std::wstring path : drop.names) {
        const std::wstring target = ResolveShortcut(path);
        if (!target.empty()) path = target;
        uint32_t itemType = 0;
        if (ClassifyDropItem(path, drop.acceptFlags, itemType)) drop.items.push_back({path, itemType});
    }
}
