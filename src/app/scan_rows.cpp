// The device list while a scan runs: each appliance listed as soon as its reply is read, in name order, so
// the user sees the first one at once; the scan's end lists the registry as before.
#include "app/early_entries.h"
#include "app/quickmap_dlg.h"
#include "app/wizard_link.h"
#include "common/text_compare.h"
#include "framework/resource_strings.h"
#include "res/resource.h"

void CQuickmapDlg::StartListScan() {
    SetProgressAnimation(true);
    m_earlyRows = 0;
    m_deviceList.DeleteAllItems();
    m_deviceList.InsertItem(0, LoadResString(IDS_SEARCHING), kImageSearching);
}

ScanOptions CQuickmapDlg::ScanOptionsFor(ScanPurpose purpose) {
    ScanOptions options;
    options.directAddresses = m_state.Remembered().AddressesToAsk();
    // The tray menu's scan leaves the list alone.
    if (purpose != ScanPurpose::DeviceList) return options;
    auto early = std::make_shared<EarlyEntries>();
    options.onEntry = [link = m_link, early, number = m_state.ScanNumber()](const DeviceEntry& entry) {
        if (!early->Add(entry)) return;
        link->Deliver([early, number](CQuickmapDlg& window) { window.OnEntriesFound(early->Take(), number); });
    };
    return options;
}

void CQuickmapDlg::OnEntriesFound(const std::vector<DeviceEntry>& entries, unsigned scanNumber) {
    if (!m_state.IsScanning() || scanNumber != m_state.ScanNumber() || entries.empty()) return;
    if (m_earlyRows == 0) m_deviceList.DeleteAllItems();  // the "searching" row
    m_deviceList.SendMessage(WM_SETREDRAW, FALSE);
    for (const DeviceEntry& entry : entries) InsertEarlyRow(entry);
    m_deviceList.SendMessage(WM_SETREDRAW, TRUE);
    ::InvalidateRect(m_deviceList.m_hWnd, nullptr, TRUE);
}

void CQuickmapDlg::InsertEarlyRow(const DeviceEntry& entry) {
    // After the equal names already listed, as the registry's stable sort places it; an appliance that
    // answered both a broadcast and its address is listed once.
    int place = 0;
    for (; place < m_earlyRows; ++place) {
        const int order = CompareNoCase(m_deviceList.GetItemText(place, 0).c_str(), entry.name);
        if (order == 0 && CompareNoCase(m_deviceList.GetItemText(place, 1).c_str(), entry.ipText) == 0) return;
        if (order > 0) break;
    }
    const DeviceListRow row = BuildDeviceListRows({entry}).rows.front();
    const int item = m_deviceList.InsertItem(place, row.name, row.image);
    m_deviceList.SetItemText(item, 1, row.ipText);
    m_deviceList.SetItemText(item, 2, row.macText);
    ++m_earlyRows;
}
