// Connecting ticked folders to drive letters, and mapping or removing the letter of one folder. These run
// on a worker: they get the folders as values, ask the user through the window's WizardHost, and return
// what the window applies afterwards.
#pragma once
#include "common/operation_result.h"
#include "common/wizard_host.h"
#include "shares/share_item_data.h"
#include "shares/share_names.h"
#include <windows.h>
#include <optional>
#include <string>
#include <vector>

// The name of the desktop shortcut to `folder` of `deviceName` on drive `letter` (string 57361); empty,
// so that no shortcut is made or deleted, when the folder or device name may not become part of a file name.
std::string DriveShortcutName(const std::string& folder, const std::string& deviceName, const std::string& letter);

// False, after telling the user, when the folder's share name cannot be mapped, opened or given a shortcut.
bool ShareNameUsable(const ShareItemData& folder, WizardHost& host);

// The question whether shortcuts to the new drive letters are wanted; true on Yes.
bool AskForShortcuts(WizardHost& host);

struct MappingOutcome {
    OperationResult result;  // failed, with the first folder's cause, when any folder was not connected
    bool createShortcuts = false;
    std::vector<MappedDrive> drives;  // rescanned after the last connection
};

// Asks once whether shortcuts are wanted, then connects each folder not connected yet to the highest free
// letter (remembered for later logons) and makes its shortcut when wanted. A folder that wants a password
// prompts once. Nothing is asked or connected when `ticked` is empty (the server item is not checked).
MappingOutcome MapCheckedShares(const std::vector<ShareItemData>& ticked, WizardHost& host);

struct DriveLetterChange {
    OperationResult result;  // done: the server item is to be filled again
    bool createShortcuts = false;
    std::string currentLetter;
    std::vector<MappedDrive> drives;
};

// Map (the Map Network Drive dialog, owned by `owner`) or remove the drive letter of `selected`; a letter
// is removed only while it is still connected to that folder.
DriveLetterChange MapOrRemoveDriveLetter(bool map, const std::optional<ShareItemData>& selected,
                                         const std::string& currentLetter, HWND owner, WizardHost& host);
