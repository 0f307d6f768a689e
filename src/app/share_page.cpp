// The share page of the wizard window: filled from the loading worker's listing, ticked folders mapped on
// Next, single drive letters mapped and removed from the tree's menu.
#include "app/quickmap_dlg.h"
#include "app/worker_threads.h"
#include "framework/resource_strings.h"
#include "res/resource.h"

ShareServerQuery CQuickmapDlg::ShareQuery() {
    ShareServerQuery query;
    if (const DeviceEntry* entry = m_registry.SelectedEntry()) {
        query.deviceName = entry->name;
        query.ipText = entry->ipText;
    }
    query.assignMode = m_bAssignMode != 0;
    query.drives = m_mappedDrives;
    return query;
}

void CQuickmapDlg::LoadSharePage(std::vector<MappedDrive> drives, const ShareListing* listing) {
    m_mappedDrives = std::move(drives);
    m_bNoShareResources = 0;
    if (m_bAssignMode) {
        m_shareTree.SetCheckBoxes(true);
        SetStatusText(IDS_STATUS_SHARE_PAGE);
    } else {
        m_shareTree.SetCheckBoxes(false);
        const std::string finished = LoadResString(IDS_STATUS_FINISH_PAGE);
        SetStatusText(m_bMapFailed ? finished : LoadResString(IDS_CONGRATULATIONS) + " " + finished);
    }
    m_shareTree.DeleteAllItems();
    if (listing && m_shareTree.ShowListing(*listing)) PostMessage(UM_NO_SHARES);
    SetProgressAnimation(false);
}

void CQuickmapDlg::OnMappingFinished(const MappingOutcome& outcome) {
    m_bMapFailed = outcome.mapFailed;
    m_bCreateShortcuts = outcome.createShortcuts;
    m_bAssignMode = 0;
    SetTimer(kTimerLoadShares, 100);
    RefreshHelp();
}

void CQuickmapDlg::OnShareSelectionChanged(HTREEITEM item) {
    if (m_bAssignMode) return;
    m_strCurrentLetter.clear();
    const auto data = m_shareTree.GetItemData(item);
    if (!data) return;
    NETRESOURCEA resource = ShareItemData(*data).Resource();
    if (resource.dwType != RESOURCETYPE_DISK || !(resource.dwUsage & RESOURCEUSAGE_CONNECTABLE) ||
        resource.dwDisplayType != RESOURCEDISPLAYTYPE_SHARE)
        return;
    if (const char letter = DriveLetterOfText(m_shareTree.GetItemText(item))) m_strCurrentLetter = letter;
}

void CQuickmapDlg::StartDriveLetterChange(bool map) {
    if (m_pWorkerThread) return;
    std::optional<FolderChoice> selected;
    const HTREEITEM item = m_shareTree.GetSelectedItem();
    if (const auto data = m_shareTree.GetItemData(item)) selected = FolderChoice{*data, m_shareTree.GetItemText(item)};
    auto* job = new DriveLetterJob{m_link, m_nPageGeneration, map, selected, m_strCurrentLetter, m_hWnd, ShareQuery()};
    if (!StartWorker(&DriveLetterThreadProc, job, true)) delete job;
}

void CQuickmapDlg::OnDriveLetterChanged(const DriveLetterChange& change, const ShareListing& listing) {
    m_strCurrentLetter = change.currentLetter;
    if (!change.changed) return;
    m_bCreateShortcuts = change.createShortcuts;
    m_mappedDrives = change.drives;
    m_shareTree.RefreshServer(listing);
}

void CQuickmapDlg::OnShareOperationFinished(const ShareOperationWork& work) {
    m_credentials = work.credentials;
    if (work.loginAccepted) UpdateDeviceEntry(work.entry);
    if (work.createShortcuts) m_bCreateShortcuts = *work.createShortcuts;
    if (work.drives) m_mappedDrives = *work.drives;
}
