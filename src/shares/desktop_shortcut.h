// Shortcuts to drive letters on a shell special folder (the desktop), named "<name>.lnk".
#pragma once
#include <string>

// Target and working directory `target` (for example Z:\), icon index 1 of this program (its shared-folder
// icon). An existing shortcut of the same name is replaced; failures are silent. Needs COM on the calling thread.
void CreateDesktopShortcut(int folder, const std::string& name, const std::string& target);
// Deletes the shortcut of that name; a missing file is ignored. An empty name (one that failed its checks)
// makes and deletes nothing.
void DeleteDesktopShortcut(int folder, const std::string& name);
