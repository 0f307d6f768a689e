// Names that arrive from the network (appliance names from datagrams and reverse look-ups, share names
// from the file service), checked before they become part of a command line, a path, a file name or an
// address. No Windows header: host-tested and fuzzed.
#pragma once
#include <string>

// Letters, digits, hyphens and dots, in non-empty labels that do not begin with a hyphen; at most 63
// characters (what a device entry holds).
bool IsHostName(const std::string& name);

// A share name that may become part of a path or a file name: not empty, not "." or "..", no backslash,
// slash, colon, control character or other character a file name cannot hold, and not a reserved device
// name (CON, NUL, COM1..., with or without an extension).
bool IsUsableShareName(const std::string& name);

// The name by which an appliance is addressed: its name when that is a host name no other listed
// appliance carries, else its IP text.
std::string AddressNameOf(const std::string& name, const std::string& ipText, bool nameSharedByAnother);
