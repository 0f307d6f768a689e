#include "platform/wine_network.h"
#include "platform/map_drive_dialog.h"
#include "platform/remembered_connections.h"
#include "platform/share_export.h"
#include "platform/unc_name.h"
#include "platform/wine_drives.h"
#include <cstring>
#include <string>
#include <vector>

const char kWindowsNetworkProvider[] = "Microsoft Windows Network";

namespace {
struct ResourceText {
    DWORD displayType;
    DWORD usage;
    std::string remoteName;
};

// A NETRESOURCEA with its texts behind it in one caller buffer, as mpr hands them out.
DWORD PackResource(const ResourceText& resource, void* buffer, DWORD* size) {
    const size_t remoteSize = resource.remoteName.size() + 1;
    const size_t providerSize = sizeof kWindowsNetworkProvider;
    const size_t needed = sizeof(NETRESOURCEA) + remoteSize + providerSize;
    if (!size) return ERROR_INVALID_PARAMETER;
    if (!buffer || *size < needed) {
        *size = static_cast<DWORD>(needed);
        return ERROR_MORE_DATA;
    }
    auto* record = static_cast<NETRESOURCEA*>(buffer);
    std::memset(record, 0, sizeof *record);
    char* text = static_cast<char*>(buffer) + sizeof(NETRESOURCEA);
    record->dwScope = RESOURCE_GLOBALNET;
    record->dwType = RESOURCETYPE_DISK;
    record->dwDisplayType = resource.displayType;
    record->dwUsage = resource.usage;
    std::memcpy(text, resource.remoteName.c_str(), remoteSize);
    record->lpRemoteName = text;
    text += remoteSize;
    std::memcpy(text, kWindowsNetworkProvider, providerSize);
    record->lpProvider = text;
    return NO_ERROR;
}

// An open enumeration: the server's shares as they were when it was opened.
struct Enumeration {
    std::vector<std::string> remoteNames;
    size_t next = 0;
};

DWORD WINAPI OpenEnum(DWORD scope, DWORD type, DWORD, LPNETRESOURCEA container, LPHANDLE handle) {
    if (!handle) return ERROR_INVALID_PARAMETER;
    if (scope != RESOURCE_GLOBALNET || (type != RESOURCETYPE_DISK && type != RESOURCETYPE_ANY))
        return ERROR_NOT_SUPPORTED;
    UncName name;
    if (!container || !container->lpRemoteName || !SplitUncName(container->lpRemoteName, name) ||
        !name.share.empty())
        return ERROR_NOT_CONTAINER;
    const auto shares = ExportedShares(name.server);
    if (!shares) return ERROR_BAD_NETPATH;
    auto* enumeration = new Enumeration;
    for (const std::string& share : *shares) enumeration->remoteNames.push_back("\\\\" + name.server + "\\" + share);
    *handle = enumeration;
    return NO_ERROR;
}

// One record per call, whatever count asks for: mpr may always hand out fewer than asked.
DWORD WINAPI EnumResource(HANDLE handle, LPDWORD count, LPVOID buffer, LPDWORD size) {
    auto* enumeration = static_cast<Enumeration*>(handle);
    if (!enumeration || !count || !size) return ERROR_INVALID_PARAMETER;
    if (enumeration->next >= enumeration->remoteNames.size()) return ERROR_NO_MORE_ITEMS;
    const ResourceText share = {RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE,
                                enumeration->remoteNames[enumeration->next]};
    const DWORD packed = PackResource(share, buffer, size);
    if (packed != NO_ERROR) return packed;
    *count = 1;
    ++enumeration->next;
    return NO_ERROR;
}

DWORD WINAPI CloseEnum(HANDLE handle) {
    if (!handle) return ERROR_INVALID_HANDLE;
    delete static_cast<Enumeration*>(handle);
    return NO_ERROR;
}

DWORD WINAPI GetResourceInformation(LPNETRESOURCEA resource, LPVOID buffer, LPDWORD size, LPSTR* system) {
    if (system) *system = nullptr;
    UncName name;
    if (!resource || !resource->lpRemoteName || !SplitUncName(resource->lpRemoteName, name))
        return ERROR_BAD_NET_NAME;
    if (!ServerExported(name.server)) return ERROR_BAD_NETPATH;
    if (name.share.empty())
        return PackResource({RESOURCEDISPLAYTYPE_SERVER, RESOURCEUSAGE_CONTAINER, "\\\\" + name.server}, buffer,
                            size);
    if (!ShareExported(name.server, name.share)) return ERROR_BAD_NET_NAME;
    return PackResource({RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE,
                         "\\\\" + name.server + "\\" + name.share},
                        buffer, size);
}

DWORD WINAPI AddConnection2(LPNETRESOURCEA resource, LPCSTR password, LPCSTR, DWORD flags) {
    if (!resource || !resource->lpRemoteName) return ERROR_INVALID_PARAMETER;
    const char letter = DriveLetterOf(resource->lpLocalName ? resource->lpLocalName : "");
    if (!letter) return ERROR_BAD_DEVICE;
    UncName name;
    if (!SplitUncName(resource->lpRemoteName, name) || name.share.empty()) return ERROR_BAD_NET_NAME;
    if (!ServerExported(name.server)) return ERROR_BAD_NETPATH;
    if (!ShareExported(name.server, name.share)) return ERROR_BAD_NET_NAME;
    if (::GetLogicalDrives() & (1u << (letter - 'A'))) return ERROR_ALREADY_ASSIGNED;
    if (IsRemembered(letter)) return ERROR_DEVICE_ALREADY_REMEMBERED;
    const auto wanted = SharePassword(name.server, name.share);
    if (wanted && (!password || *wanted != password)) return ERROR_INVALID_PASSWORD;
    const std::string remote = "\\\\" + name.server + "\\" + name.share;
    if (!DefineNetworkDrive(letter, MountPointOfShare(remote))) return ERROR_BAD_DEVICE;
    // Remembered only once connected: a failed connection leaves nothing behind.
    if (flags & CONNECT_UPDATE_PROFILE) RememberConnection(letter, remote, kWindowsNetworkProvider);
    return NO_ERROR;
}

DWORD WINAPI CancelConnection2(LPCSTR device, DWORD flags, BOOL) {
    const char letter = DriveLetterOf(device ? device : "");
    if (!letter) return ERROR_NOT_CONNECTED;
    const bool connected = !NetworkDriveRemote(letter).empty();
    const bool remembered = IsRemembered(letter);
    if (!connected && !remembered) return ERROR_NOT_CONNECTED;
    if (connected && !RemoveDrive(letter)) return ERROR_DEVICE_IN_USE;
    if (flags & CONNECT_UPDATE_PROFILE) ForgetConnection(letter);
    return NO_ERROR;
}

DWORD WINAPI GetUniversalName(LPCSTR localPath, DWORD level, LPVOID buffer, LPDWORD size) {
    if (!localPath || !size) return ERROR_INVALID_PARAMETER;
    if (level != UNIVERSAL_NAME_INFO_LEVEL && level != REMOTE_NAME_INFO_LEVEL) return ERROR_INVALID_LEVEL;
    const std::string path = localPath;
    const char letter = DriveLetterOf(path.substr(0, 2));
    if (!letter) return ERROR_NOT_CONNECTED;
    const std::string remote = NetworkDriveRemote(letter);
    if (remote.empty()) return IsRemembered(letter) ? ERROR_CONNECTION_UNAVAIL : ERROR_NOT_CONNECTED;
    std::string remaining = path.substr(2);
    if (remaining == "\\") remaining.clear();
    const std::string universal = remote + remaining;
    const size_t header = level == UNIVERSAL_NAME_INFO_LEVEL ? sizeof(UNIVERSAL_NAME_INFOA) : sizeof(REMOTE_NAME_INFOA);
    const size_t needed = header + universal.size() + 1 + remote.size() + 1 + remaining.size() + 1;
    if (!buffer || *size < needed) {
        *size = static_cast<DWORD>(needed);
        return ERROR_MORE_DATA;
    }
    char* text = static_cast<char*>(buffer) + header;
    const auto put = [&](const std::string& value) {
        char* at = text;
        std::memcpy(text, value.c_str(), value.size() + 1);
        text += value.size() + 1;
        return at;
    };
    if (level == UNIVERSAL_NAME_INFO_LEVEL) {
        static_cast<UNIVERSAL_NAME_INFOA*>(buffer)->lpUniversalName = put(universal);
    } else {
        auto* info = static_cast<REMOTE_NAME_INFOA*>(buffer);
        info->lpUniversalName = put(universal);
        info->lpConnectionName = put(remote);
        info->lpRemainingPath = put(remaining);
    }
    return NO_ERROR;
}
}  // namespace

WNetTable WineWNetTable() {
    WNetTable table = SystemWNetTable();
    table.WNetOpenEnumA = &OpenEnum;
    table.WNetEnumResourceA = &EnumResource;
    table.WNetCloseEnum = &CloseEnum;
    table.WNetGetResourceInformationA = &GetResourceInformation;
    table.WNetAddConnection2A = &AddConnection2;
    table.WNetCancelConnection2A = &CancelConnection2;
    table.WNetGetUniversalNameA = &GetUniversalName;
    table.WNetConnectionDialog1A = &MapDriveDialog;
    return table;
}
