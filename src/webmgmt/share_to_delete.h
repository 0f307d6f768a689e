// Which share a "Delete Shared Folder" on a tree item means (no Windows header: host-tested).
#pragma once
#include <string>

struct ShareToDelete {
    std::string name;  // as the appliance knows it
    bool mapped;       // the folder was connected to a drive letter when it was listed
};

// Name and drive letter come from the item's network record, never from its text: a folder called
// "Photos (2020)" must not be taken for a share "Photos", nor one called "Data (H:)" for a drive H:.
ShareToDelete ShareToDeleteOf(const std::string& remoteName, const std::string& comment, char driveLetter);
