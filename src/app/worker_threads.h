// The wizard window's workers. Each gets a job of values when it starts and hands its result back through
// the window's link; none touches the window, its controls or its registry.
#pragma once
#include "app/quickmap_dlg.h"
#include "discovery/device_scan.h"
#include "webmgmt/device_settings.h"
#include "webmgmt/share_operations.h"
#include <memory>
#include <string>

struct ScanJob {
    std::shared_ptr<CWizardLink> link;
    ScanPurpose purpose;
    ScanOptions options;
};

// Add by address: the discover request sent to what the user typed.
struct AddressQueryJob {
    std::shared_ptr<CWizardLink> link;
    WorkTicket ticket;
    std::string asked;
};

struct ShareLoadJob {
    std::shared_ptr<CWizardLink> link;
    WorkTicket ticket;
    ShareServerQuery query;
    bool hasAppliance;
};

// Next on the share page: the ticked folders connected.
struct MappingJob {
    std::shared_ptr<CWizardLink> link;
    WorkTicket ticket;
    std::vector<ShareItemData> ticked;
};

// Map Network Drive... or Remove Drive Letter for the selected folder; the server item is listed again.
struct DriveLetterJob {
    std::shared_ptr<CWizardLink> link;
    WorkTicket ticket;
    bool map;
    std::optional<ShareItemData> selected;
    std::string currentLetter;
    HWND owner;
    ShareServerQuery query;
};

// Web operations: 1 adds a shared folder, 2 deletes one, 3 gives the appliance its unique name.
struct WebOperationJob {
    std::shared_ptr<CWizardLink> link;
    WorkTicket ticket;
    int type;
    DeviceSettingsWork settings;  // type 3
    ShareOperationWork shares;    // types 1 and 2
};

// Manage: the language page first, then the web manager in the browser.
struct ManageJob {
    std::shared_ptr<CWizardLink> link;
    WorkTicket ticket;
    DeviceSettingsWork work;
    std::string url;  // opened through the shell's handler of the address itself
};

UINT ScanThreadProc(LPVOID job);
UINT OpenThreadProc(LPVOID target);  // a std::string: an address or a network path for the shell to open
UINT AddressQueryThreadProc(LPVOID job);
UINT ShareThreadProc(LPVOID job);
UINT MappingThreadProc(LPVOID job);
UINT DriveLetterThreadProc(LPVOID job);
UINT WebOperationThreadProc(LPVOID job);
UINT ManageThreadProc(LPVOID job);
