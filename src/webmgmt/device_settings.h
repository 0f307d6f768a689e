// Changes to an appliance's own settings through its web pages. Both run on workers: they get the
// appliance and the window's credential cache as values, ask the user through the host, and leave what
// changed in the work record for the window to apply.
#pragma once
#include "common/admin_credentials.h"
#include "common/operation_result.h"
#include "discovery/device_entry.h"
#include <string>

class WizardHost;

struct DeviceSettingsWork {
    DeviceEntry entry;             // the selected appliance; its name, login and language flag are updated
    std::string listedName;        // its name as the device list shows it
    std::string host;              // its address as the device list shows it
    std::string language;          // the program's language
    AdminCredentials credentials;  // the window's credential cache, before and after
};

// Renames the appliance to its unique MAC-derived name; done, the entry carries the new name. Cancelled when
// nothing was sent (already unique, declined, prompt cancelled).
OperationResult SetUniqueDeviceName(DeviceSettingsWork& work, WizardHost& host);

// Tells the appliance the program's language unless it has one or the program speaks English.
OperationResult UpdateDeviceLanguage(DeviceSettingsWork& work, WizardHost& host);
