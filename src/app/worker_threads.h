// The wizard window's workers. Each gets a job of values when it starts and hands its result back through
// the window's link; none touches the window, its controls or its registry.
#pragma once
#include "app/quickmap_dlg.h"
#include "webmgmt/device_settings.h"
#include <memory>
#include <string>

struct ScanJob {
    std::shared_ptr<CWizardLink> link;
    ScanPurpose purpose;
};

struct ShareLoadJob {
    std::shared_ptr<CWizardLink> link;
    unsigned generation;
    DeviceEntry appliance;
    bool hasAppliance;
};

// The unique-name operation (web operation 3).
struct SettingsJob {
    std::shared_ptr<CWizardLink> link;
    unsigned generation;
    DeviceSettingsWork work;
};

// Manage: the language page first, then the web manager in the browser.
struct ManageJob {
    std::shared_ptr<CWizardLink> link;
    DeviceSettingsWork work;
    std::string browserPath;
    std::string url;
};

UINT ScanThreadProc(LPVOID job);
UINT ShareThreadProc(LPVOID job);
UINT WebOperationThreadProc(LPVOID job);
UINT ManageThreadProc(LPVOID job);
