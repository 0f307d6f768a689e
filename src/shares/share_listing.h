// An appliance's shared folders as the Windows network lists them, gathered on a worker (every call here
// can wait on the network) and handed to the window as values, which fills the share tree from them.
#pragma once
#include "shares/share_item_data.h"
#include "shares/share_names.h"
#include <functional>
#include <string>
#include <vector>

struct ShareServerQuery {
    std::string deviceName;  // the selected appliance's name; the tree shows "not found" when empty
    std::string ipText;
    std::string addressName;  // the name or IP text the server is reached by (discovery/device_address.h)
    bool assignMode = false;           // "Shared Files" folders start checked
    std::vector<MappedDrive> drives;   // for the drive suffixes
    DWORD leafDisplayType = RESOURCEDISPLAYTYPE_GENERIC;
    std::function<void()> folderListed{};  // called on the listing thread after each folder the network names
};

struct ShareFolder {
    ShareItemData data;
    std::string text;
    int image = 0;
    bool hasChildren = false;
    bool checked = false;
};

struct ShareListing {
    bool deviceKnown = false;
    ShareItemData server;
    bool listed = false;  // the server's folders could be enumerated
    std::vector<ShareFolder> folders;
};

ShareListing EnumerateShares(const ShareServerQuery& query);
