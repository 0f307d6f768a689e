// Name and path rules of the copy engine, free of any platform call.
#pragma once
#include <string>

// The next name to try when `path` is taken, in the same folder: X, Copy of X, Copy (1) of X,
// Copy (2) of X, ... Only a copy prefix at the very start of the name counts as an earlier copy,
// so the whole original name always survives.
std::string MakeCopyName(const std::string& path);

// The last part of a path, a folder's name without its trailing "\" included: "a.mp3" of "C:\Music\a.mp3".
std::string LastPathPart(const std::string& path);

// Appends "\" unless the text already ends with one.
void AddTrailingBackslash(std::string& path);

// The folder a search pattern ("...\Photos\*.*") lists: "Photos"; empty for a drive or share root.
std::string LastFolderName(const std::string& pattern);

// How many subfolder descents a walk of `source` may make when `destination` lies inside it (so the
// copy does not feed on itself); -1 when the destination is elsewhere.
int DepthLimitFor(const std::string& source, const std::string& destination);

// True when `destination` is the folder that holds `source` (case ignored): copying there is a no-op.
bool IsParentFolderText(const std::string& source, const std::string& destination);
