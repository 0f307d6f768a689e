#include "shares/share_listing.h"
#include "common/text_compare.h"
#include "framework/handles.h"
#include "platform/wnet_table.h"
#include <cstring>

namespace {
constexpr DWORD kRecordBufferSize = 1024;
constexpr int kProbeAttempts = 3;

// The server as the network describes it, named by the appliance and reached by its address.
ShareItemData ServerRecord(const ShareServerQuery& query) {
    const std::string local = "\\\\" + query.ipText;
    const std::string remote = "\\\\" + query.addressName;
    NETRESOURCEA record = {};
    record.dwScope = RESOURCE_GLOBALNET;
    record.dwType = RESOURCETYPE_DISK;
    record.dwDisplayType = RESOURCEDISPLAYTYPE_SERVER;
    record.dwUsage = RESOURCEUSAGE_CONTAINER;
    record.lpLocalName = const_cast<char*>(local.c_str());
    record.lpRemoteName = const_cast<char*>(remote.c_str());
    record.lpComment = const_cast<char*>(query.deviceName.c_str());
    alignas(NETRESOURCEA) char buffer[kRecordBufferSize];
    DWORD size = sizeof buffer;
    char* system = nullptr;
    if (WNet().WNetGetResourceInformationA(&record, buffer, &size, &system) != NO_ERROR)
        return ShareItemData(record);
    ShareItemData canonical(*reinterpret_cast<NETRESOURCEA*>(buffer));
    canonical.comment = query.deviceName;
    canonical.localName = local;
    return canonical;
}

// A folder that can be listed, or that wants a password, is there; anything else gets three tries.
bool FolderAnswers(const std::string& path) {
    for (int attempt = 0; attempt < kProbeAttempts; ++attempt) {
        WIN32_FIND_DATAA found;
        if (fw::unique_find(::FindFirstFileA((path + "\\*.*").c_str(), &found))) return true;
        if (::GetLastError() == ERROR_INVALID_PASSWORD) return true;
        ::Sleep(100);
    }
    return false;
}

bool IsWindowsNetwork(const char* provider) {
    return provider && (std::strcmp(provider, "Microsoft Windows Network") == 0 ||
                        std::strcmp(provider, "Microsoft Network") == 0);
}
}  // namespace

ShareListing EnumerateShares(const ShareServerQuery& query) {
    ShareListing listing;
    listing.deviceKnown = !query.deviceName.empty();
    if (!listing.deviceKnown) return listing;
    listing.server = ServerRecord(query);
    HANDLE opened = nullptr;
    WNet().WNetOpenEnumA(RESOURCE_GLOBALNET, RESOURCETYPE_DISK, RESOURCEUSAGE_ALL, &listing.server.Resource(), &opened);
    const unique_wnet_enum enumeration(opened);
    if (!enumeration) return listing;
    listing.listed = true;
    for (;;) {
        alignas(NETRESOURCEA) char buffer[kRecordBufferSize];
        DWORD count = 1;
        DWORD size = sizeof buffer;
        if (WNet().WNetEnumResourceA(enumeration.get(), &count, buffer, &size) != NO_ERROR) break;
        if (query.folderListed) query.folderListed();
        NETRESOURCEA& entry = *reinterpret_cast<NETRESOURCEA*>(buffer);
        if (!IsWindowsNetwork(entry.lpProvider)) continue;
        ShareFolder folder;
        folder.data = ShareItemData(entry);
        // The folder's device name goes into shortcut names: the checked one, never the name as received.
        folder.data.comment = query.addressName;
        folder.data.localName = listing.server.localName;
        const std::string path = folder.data.BuildAccessPath();
        const std::string label = folder.data.GetDisplayName();
        if (CompareNoCase(label.c_str(), "config") == 0) continue;
        if (!FolderAnswers(path)) continue;
        folder.data.driveLetter = DriveSuffixLetter(query.drives, folder.data.remoteName, path);
        folder.text = folder.data.driveLetter ? TextWithDriveSuffix(label, folder.data.driveLetter) : label;
        folder.image = ImageForResource(entry.dwDisplayType, entry.dwType);
        folder.hasChildren = entry.dwDisplayType != query.leafDisplayType && (entry.dwUsage & RESOURCEUSAGE_CONTAINER);
        folder.checked = query.assignMode && !folder.data.driveLetter &&
                         folder.text.find("Shared Files") != std::string::npos;
        listing.folders.push_back(std::move(folder));
    }
    return listing;
}
