#include "copy/file_identity.h"
#include "copy/copy_names.h"
#include "framework/handles.h"
#include <windows.h>
#include <cstdint>
#include <vector>

namespace {
struct FileIdentity {
    bool known = false;
    DWORD volume = 0;
    uint64_t index = 0;
    std::wstring finalPath;
};

FileIdentity IdentityOf(const std::wstring& path) {
    FileIdentity identity;
    // No access asked and every sharing allowed: a folder in use elsewhere is still identified.
    HANDLE raw = ::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (raw == INVALID_HANDLE_VALUE) return identity;
    fw::unique_handle file(raw);
    BY_HANDLE_FILE_INFORMATION info;
    if (::GetFileInformationByHandle(file.get(), &info)) {
        identity.volume = info.dwVolumeSerialNumber;
        identity.index = (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    }
    const DWORD length = ::GetFinalPathNameByHandleW(file.get(), nullptr, 0, FILE_NAME_NORMALIZED);
    if (length) {
        std::vector<wchar_t> buffer(length + 1);
        if (::GetFinalPathNameByHandleW(file.get(), buffer.data(), length + 1, FILE_NAME_NORMALIZED))
            identity.finalPath = buffer.data();
    }
    identity.known = identity.index != 0 || !identity.finalPath.empty();
    return identity;
}

bool Same(const FileIdentity& a, const FileIdentity& b) {
    if (!a.known || !b.known) return false;
    if (a.index != 0 && a.volume == b.volume && a.index == b.index) return true;
    return !a.finalPath.empty() &&
           ::CompareStringOrdinal(a.finalPath.c_str(), -1, b.finalPath.c_str(), -1, TRUE) == CSTR_EQUAL;
}
}  // namespace

bool IsSameFile(const std::wstring& first, const std::wstring& second) {
    return Same(IdentityOf(first), IdentityOf(second));
}

bool IsInsideFolder(const std::wstring& destination, const std::wstring& source) {
    const FileIdentity folder = IdentityOf(source);
    if (!folder.known) return false;
    for (std::wstring path = destination; !path.empty(); path = ParentPath(path)) {
        if (Same(IdentityOf(path), folder)) return true;
    }
    return false;
}
