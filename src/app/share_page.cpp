// The share page of the wizard window: filled from the loading worker's listing, ticked folders mapped on
// Next, single drive letters mapped and removed from the tree's menu.
#include "app/quickmap_dlg.h"
#include "app/worker_threads.h"
#include "discovery/device_address.h"
#include "framework/resource_strings.h"
#include "res/resource.h"

ShareServerQuery CQuickmapDlg::ShareQuery() {
    ShareServerQuery query;
    if (const DeviceEntry* entry = m_state.ChosenAppliance()) {
        query.deviceName = entry->name;
        query.ipText = entry->ipText;
        query.addressName = DeviceAddressName(m_state.Registry(), *entry);
    }
    query.assignMode = m_state.Page() == WizardPage::Shares;
    query.drives = m_state.MappedDrives();
    return query;
}

void CQuickmapDlg::LoadSharePage(std::vector<MappedDrive> drives, const ShareListing* listing) {
    m_state.ShareListingArrived(std::move(drives));
    if (m_state.Page() == WizardPage::Shares) {
        m_shareTree.SetCheckBoxes(true);
        SetStatusText(IDS_STATUS_SHARE_PAGE);
    } else {
        m_shareTree.SetCheckBoxes(false);
        const std::string finished = LoadResString(IDS_STATUS_FINISH_PAGE);
        SetStatusText(m_state.MapFailed() ? finished : LoadResString(IDS_CONGRATULATIONS) + " " + finished);
    }
    m_shareTree.DeleteAllItems();
    if (listing && m_shareTree.ShowListing(*listing)) PostMessage(UM_NO_SHARES);
    SetProgressAnimation(false);
}

void CQuickmapDlg::OnMappingFinished(const MappingOutcome& outcome) {
    m_state.MappingFinished(outcome.result.outcome == Outcome::Failed, outcome.createShortcuts);
    m_nextButton.EnableWindow(true);
    m_backButton.EnableWindow(true);
    SetTimer(ID_TIMER_LOAD_SHARES, 100);
    RefreshHelp();
}

void CQuickmapDlg::OnShareSelectionChanged(HTREEITEM item) {
    if (m_state.Page() != WizardPage::Finish) return;
    m_state.SetCurrentLetter({});
    const auto data = m_shareTree.GetItemData(item);
    if (!data) return;
    NETRESOURCEA resource = ShareItemData(*data).Resource();
    if (resource.dwType != RESOURCETYPE_DISK || !(resource.dwUsage & RESOURCEUSAGE_CONNECTABLE) ||
        resource.dwDisplayType != RESOURCEDISPLAYTYPE_SHARE)
        return;
    if (data->driveLetter) m_state.SetCurrentLetter(std::string(1, data->driveLetter));
}

void CQuickmapDlg::StartDriveLetterChange(bool map) {
    const auto ticket = m_state.BeginWork(WorkKind::DriveLetter);
    if (!ticket) return;
    std::optional<ShareItemData> selected;
    const HTREEITEM item = m_shareTree.GetSelectedItem();
    if (const auto data = m_shareTree.GetItemData(item)) selected = *data;
    auto* job = new DriveLetterJob{m_link, *ticket, map, selected, m_state.CurrentLetter(), m_hWnd, ShareQuery()};
    if (StartWorker(&DriveLetterThreadProc, job)) return;
    delete job;
    m_state.CancelWork(*ticket);
}

void CQuickmapDlg::OnDriveLetterChanged(const DriveLetterChange& change, const ShareListing& listing) {
    m_state.SetCurrentLetter(change.currentLetter);
    if (change.result.outcome != Outcome::Done) return;
    m_state.SetCreateShortcuts(change.createShortcuts);
    m_state.SetMappedDrives(change.drives);
    m_shareTree.RefreshServer(listing);
}

void CQuickmapDlg::OnShareOperationFinished(const ShareOperationWork& work) {
    m_state.SetCredentials(work.credentials);
    if (work.loginAccepted) m_state.UpdateEntry(work.entry);
    if (work.createShortcuts) m_state.SetCreateShortcuts(*work.createShortcuts);
    if (work.drives) m_state.SetMappedDrives(*work.drives);
}
