#include "platform/wine_drives.h"
#include "framework/handles.h"
#include "platform/unc_name.h"
#include <winioctl.h>
#include <cstring>
#include <vector>

namespace {
// Wine's own extension of the mount manager (include/ddk/mountmgr.h of Wine).
constexpr DWORD kDefineUnixDrive = CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
constexpr DWORD kQueryUnixDrive = CTL_CODE('m', 33, METHOD_BUFFERED, FILE_READ_ACCESS);

struct UnixDrive {
    ULONG size;
    ULONG type;
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDev;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};

fw::unique_file OpenMountManager() {
    return fw::unique_file(::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
}

bool Define(char letter, ULONG type, const std::string& mountPoint) {
    const fw::unique_file manager = OpenMountManager();
    if (!manager) return false;
    std::vector<char> buffer(sizeof(UnixDrive) + mountPoint.size() + 1, '\0');
    UnixDrive drive = {};
    drive.size = static_cast<ULONG>(buffer.size());
    drive.type = type;
    drive.letter = static_cast<WCHAR>(letter);
    if (!mountPoint.empty()) {
        drive.mountPointOffset = sizeof(UnixDrive);
        std::memcpy(buffer.data() + sizeof(UnixDrive), mountPoint.c_str(), mountPoint.size() + 1);
    }
    std::memcpy(buffer.data(), &drive, sizeof drive);
    DWORD returned = 0;
    return ::DeviceIoControl(manager.get(), kDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()),
                             nullptr, 0, &returned, nullptr) != FALSE;
}

// Unix file names under Wine are UTF-8; the program's texts are in the ANSI code page.
std::string AnsiFromUnixName(const std::string& unixName) {
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, unixName.c_str(), -1, nullptr, 0);
    if (wideLength <= 0) return std::string();
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, unixName.c_str(), -1, wide.data(), wideLength);
    const int ansiLength = ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (ansiLength <= 0) return std::string();
    std::string ansi(static_cast<size_t>(ansiLength), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi.data(), ansiLength, nullptr, nullptr);
    ansi.resize(static_cast<size_t>(ansiLength) - 1);
    return ansi;
}
}  // namespace

bool DefineNetworkDrive(char letter, const std::string& mountPoint) {
    return !mountPoint.empty() && Define(letter, DRIVE_REMOTE, mountPoint);
}

bool RemoveDrive(char letter) { return Define(letter, DRIVE_NO_ROOT_DIR, std::string()); }

std::string NetworkDriveRemote(char letter) {
    const fw::unique_file manager = OpenMountManager();
    if (!manager) return std::string();
    std::vector<char> buffer(2048, '\0');
    UnixDrive query = {};
    query.letter = static_cast<WCHAR>(letter);
    std::memcpy(buffer.data(), &query, sizeof query);
    DWORD returned = 0;
    if (!::DeviceIoControl(manager.get(), kQueryUnixDrive, buffer.data(), sizeof query, buffer.data(),
                           static_cast<DWORD>(buffer.size() - 1), &returned, nullptr))
        return std::string();
    UnixDrive answer;
    std::memcpy(&answer, buffer.data(), sizeof answer);
    if (!answer.mountPointOffset || answer.mountPointOffset >= returned) return std::string();
    return UncFromMountPoint(AnsiFromUnixName(buffer.data() + answer.mountPointOffset));
}

std::string MountPointOfShare(const std::string& unc) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    const auto unixFileName = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixFileName) return std::string();
    const int length = ::MultiByteToWideChar(CP_ACP, 0, unc.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, unc.c_str(), -1, wide.data(), length);
    char* unixPath = unixFileName(wide.c_str());
    if (!unixPath) return std::string();
    const std::string path(unixPath);
    ::HeapFree(::GetProcessHeap(), 0, unixPath);
    return MountPointFromUnixPath(path);
}
