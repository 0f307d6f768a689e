// The network resource behind one share-tree item: the record and its four texts, owned together so the
// record stays valid as long as the item lives.
#pragma once
#include <windows.h>
#include <winnetwk.h>
#include <string>

class ShareItemData {
public:
    ShareItemData() = default;
    // Copies the four numbers and the four texts (a null text gives an empty string).
    explicit ShareItemData(const NETRESOURCEA& record);

    // The record, its text pointers pointed at this object's own strings first.
    NETRESOURCEA& Resource();

    std::string GetDisplayName() const;
    // The folder's path through the appliance's address, stored as the local name; the remote name when
    // that cannot be formed.
    std::string BuildAccessPath();

    std::string localName;
    std::string remoteName;
    std::string comment;
    std::string provider;
    // The drive letter this computer connects to the folder, as found in the mapped-drive records when the
    // item was listed; 0 for none. Never read back from the item's text, which a share name can imitate.
    char driveLetter = 0;

private:
    NETRESOURCEA m_resource = {};
};
