#include "discovery/scan_thread.h"
#include "app/quickmap_dlg.h"
#include "discovery/device_list_rows.h"
#include "discovery/device_scan.h"
#include "framework/app.h"
#include "framework/cursor.h"
#include "framework/resource_strings.h"
#include "res/resource.h"

UINT ScanThreadProc(LPVOID) {
    auto* window = dynamic_cast<CQuickmapDlg*>(AfxGetMainWnd());
    if (!window) return 0;
    window->SetProgressAnimation(true);
    CListCtrl& list = window->DeviceList();
    list.DeleteAllItems();
    list.InsertItem(0, LoadResString(IDS_SEARCHING), kImageSearching);
    RescanDevices(*window);
    window->SetProgressAnimation(false);
    return 0;
}

int RescanDevices(CQuickmapDlg& window) {
    DeviceRegistry& registry = window.Registry();
    registry.selectedDevice = -1;
    registry.devices.clear();
    const int result = ScanForDevices(registry);
    FillDeviceList(window);
    window.EndScan();
    NudgeMousePointer();  // the wait cursor ends with the scan
    return result;
}

void FillDeviceList(CQuickmapDlg& window) {
    DeviceRegistry& registry = window.Registry();
    CListCtrl& list = window.DeviceList();
    window.SetStatusText(IDS_STATUS_DEVICE_PAGE);
    list.DeleteAllItems();

    if (registry.deviceCount < 1) {
        list.InsertItem(0, LoadResString(IDS_NOT_FOUND), kImageNotFound);
        window.SetStatusText(IDS_STATUS_NOT_FOUND);
        window.SetTrayState(TrayState::NotFound);
        return;
    }

    const DeviceListRows rows = BuildDeviceListRows(registry.devices);
    for (const DeviceListRow& row : rows.rows) {
        const int item = list.InsertItem(list.GetItemCount(), row.name, row.image);
        list.SetItemText(item, 1, row.ipText);
        list.SetItemText(item, 2, row.macText);
    }
    list.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    registry.selectedDevice = 0;
    window.SetProgressAnimation(false);

    if (rows.nameConflict) {
        window.SetTrayState(TrayState::NameConflict);
        if (window.IsWindowVisible()) window.ReportFailure(IDS_NAME_CONFLICT_MESSAGE);
    } else {
        window.SetTrayState(TrayState::Normal);
    }
}
