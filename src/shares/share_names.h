// Names, texts and pictures of share-tree items, as plain text rules (no Windows header: host-tested).
#pragma once
#include <optional>
#include <string>
#include <vector>

// One network drive letter of this computer and the universal path it is connected to (empty when the
// system could not tell).
struct MappedDrive {
    char letter;
    std::string universalPath;
};

// The item's name: the comment when there is no remote name; else the remote name, cut to the text after
// its last backslash when it begins with two.
std::string DisplayNameOf(const std::string& remoteName, const std::string& comment);

// The folder's path through the appliance's address: local name, backslash, display name, when all three
// are known; none otherwise (the remote name stands).
std::optional<std::string> AccessPathOf(const std::string& localName, const std::string& remoteName,
                                        const std::string& displayName);

// Index in the tree's ten-image strip for a resource's display type and type.
int ImageForResource(unsigned displayType, unsigned type);

// The drive letter that shows beside a folder: the first drive (in ascending letter order) connected to the
// folder's remote name or to its access path, ignoring case; 0 for none.
char DriveSuffixLetter(const std::vector<MappedDrive>& drives, const std::string& remoteName,
                       const std::string& accessPath);

// "Photo (Z:)".
std::string TextWithDriveSuffix(const std::string& label, char letter);

// The folder part of a remote name: the text after its last backslash, unless that backslash is the first
// character.
std::string FolderNameOf(const std::string& remoteName);

// The shortcut name from its format (string 57361, "%s on %s (Harborbox) (%s)"): each %s in turn takes
// folder, device name and letter; other text, and user text, is copied as it stands.
std::string ShortcutName(const std::string& format, const std::string& folder, const std::string& deviceName,
                         const std::string& letter);
