// Adding and deleting shared folders through the appliance's pages, and the safe removal of an external
// disk. Both run on the web-operation worker: they get the appliance and the window's credential cache as
// values, ask the user through the host (the add dialog too runs on the window's thread), and leave what
// changed in the work record for the window to apply.
#pragma once
#include "common/admin_credentials.h"
#include "common/operation_result.h"
#include "discovery/device_entry.h"
#include "shares/share_item_data.h"
#include "shares/share_names.h"
#include <windows.h>
#include <optional>
#include <vector>

class WizardHost;

struct ShareOperationWork {
    DeviceEntry entry;                     // the selected appliance; its login is updated once accepted
    std::string addressName;               // its name or IP text, as discovery/device_address.h chooses
    AdminCredentials credentials;          // the window's credential cache, before and after
    std::optional<ShareItemData> selected;  // deleting: the share tree's selected folder
    HWND owner = nullptr;                  // the window: owner of the add dialog and the drive-letter change
    bool loginAccepted = false;            // entry carries credentials the appliance accepted
    std::optional<bool> createShortcuts;   // the answer to the shortcut question, when it was asked
    std::optional<std::vector<MappedDrive>> drives;  // the network drive letters, when they changed
};

// Cancelled when the user cancelled the login prompt or the add dialog, or, deleting, declined a question;
// Failed, after telling the user, when the appliance or the drive letter did not do what was asked.
OperationResult AddSharedFolder(ShareOperationWork& work, WizardHost& host);
OperationResult DeleteSharedFolder(ShareOperationWork& work, WizardHost& host);
