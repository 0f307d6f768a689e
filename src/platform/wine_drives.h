// Wine's drive letters, made and read through its mount manager (the dosdevices links of the prefix).
#pragma once
#include <string>

// Makes `letter` a network drive onto `mountPoint` ("unc/server/share", relative to dosdevices, as Wine
// keeps network drives), replacing what the letter was.
bool DefineNetworkDrive(char letter, const std::string& mountPoint);
bool RemoveDrive(char letter);
// "\\server\share" when `letter` is a network drive; empty otherwise.
std::string NetworkDriveRemote(char letter);
// The drive target of an existing share, in the case its folders really have; empty when there is none.
std::string MountPointOfShare(const std::string& unc);
