// Network names as text: \\server\share, Wine's "unc/server/share" drive targets, "Z:" device names.
#pragma once
#include <string>

struct UncName {
    std::string server;
    std::string share;  // empty for a server alone
};

// "\\server" or "\\server\share" (a trailing backslash allowed), the server a host name and the share a
// usable share name (common/network_names.h); false for anything else.
bool SplitUncName(const std::string& text, UncName& name);

// The Wine drive target of a share, taken from the share's path under the prefix
// (".../dosdevices/unc/server/share" gives "unc/server/share"); empty when the path is not there.
std::string MountPointFromUnixPath(const std::string& unixPath);

// "\\server\share" of a drive target "unc/server/share"; empty for a target that is no share.
std::string UncFromMountPoint(const std::string& mountPoint);

// 'A'..'Z' of a device name "X:" (either case); 0 for anything else.
char DriveLetterOf(const std::string& device);
