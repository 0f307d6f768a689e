// Which share a "Delete Shared Folder" on a tree item means (no Windows header: host-tested).
#pragma once
#include <string>

struct ShareToDelete {
    std::string name;  // as the appliance knows it
    bool mapped;       // the item shows a drive letter, as in Photo (Z:)
};

// The name comes from the item's network record, never from its text: a folder called "Photos (2020)"
// must not be taken for a share "Photos".
ShareToDelete ShareToDeleteOf(const std::string& remoteName, const std::string& comment, const std::string& itemText);
