// Where a dropped item goes on an appliance: a share and sub-folder chosen by the item's extension.
#pragma once
#include <string>

// The extension as the shell finds it: from the last "." that no "\" or space follows, dot included;
// empty when there is none.
std::string DropItemExtension(const std::string& path);

// "\<share>\<sub-folder>", e.g. "\Shared Media\Music"; a folder is routed by its own name's extension.
std::string RouteByExtension(const std::string& path);

// "\\<device>\<share>\<sub-folder>" for a path with a drive part ("C:...") or a network form
// ("\\server\..."); empty for anything else (relative paths, "\\server" alone).
std::string BuildDropDestination(const std::string& deviceName, const std::string& droppedPath);
