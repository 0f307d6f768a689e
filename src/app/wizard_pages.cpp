// The three pages of the wizard window and the moves between them.
#include "app/about_dlg.h"
#include "app/help_choice.h"
#include "app/help_dlg.h"
#include "app/quickmap_dlg.h"
#include "app/worker_threads.h"
#include "framework/resource_strings.h"
#include "res/resource.h"
#include <ctime>

namespace {
void ShowControl(CWnd& control, bool on) {
    control.EnableWindow(on);
    control.ShowWindow(on ? SW_SHOW : SW_HIDE);
}
}  // namespace

void CQuickmapDlg::OnNext() {
    if (!m_state.MayMove()) return;
    if (m_state.Page() == WizardPage::Devices)
        EnterSharePage();
    else if (m_state.Page() == WizardPage::Shares && !m_state.NoShares())
        MapAndFinish();
    else
        OpenWebManager();
    RefreshHelp();
}

void CQuickmapDlg::OnBack() {
    if (!m_state.MayMove()) return;
    if (m_state.Page() == WizardPage::Finish) {
        SetStatusText(IDS_STATUS_SHARE_PAGE);
        EnterSharePage();
    } else {
        GoToDevicePage();
    }
    RefreshHelp();
    ShowAssignLabels();
}

void CQuickmapDlg::OnRefresh() {
    if (!m_state.MayMove()) return;
    if (m_state.Page() == WizardPage::Devices)
        StartScan(true);
    else if (m_state.Page() == WizardPage::Shares)
        EnterSharePage();
    else
        SetTimer(ID_TIMER_LOAD_SHARES, 100);
}

void CQuickmapDlg::EnterSharePage() {
    if (m_state.Page() == WizardPage::Devices && !TargetAppliance()) return;
    const DeviceChoice choice = m_state.EnterSharePage();
    ShowPage();
    if (choice != DeviceChoice::Chosen) return;
    SetProgressAnimation(true);
    SetTimer(ID_TIMER_LOAD_SHARES, 100);
    RefreshHelp();
}

void CQuickmapDlg::GoToDevicePage() {
    m_state.ReturnToDevicePage();
    SetStatusText(IDS_STATUS_DEVICE_PAGE);
    ShowPage();
}

void CQuickmapDlg::ShowPage() {
    const bool devices = m_state.Page() == WizardPage::Devices;
    ShowControl(m_deviceList, devices);
    ShowControl(m_backButton, !devices);
    ShowControl(m_shareTree, !devices);
}

void CQuickmapDlg::MapAndFinish() {
    m_state.ResetProgress();
    m_progressBar.SendMessage(PBM_SETPOS, 0);
    const auto ticket = m_state.BeginMapping();
    if (!ticket) return;
    ShowFinishLabels();
    // Nothing may move the page, nor map the same folders again, until the connections are made.
    m_nextButton.EnableWindow(false);
    m_backButton.EnableWindow(false);
    // The connections wait on the network: a worker makes them, the finished page follows its result.
    auto* job = new MappingJob{m_link, *ticket, m_shareTree.TickedFolders()};
    if (StartWorker(&MappingThreadProc, job)) return;
    delete job;
    m_state.CancelWork(*ticket);
    MappingOutcome notStarted;
    notStarted.result = OperationResult::Failed(OwnFailure::WorkerNotStarted);
    OnMappingFinished(notStarted);
}

void CQuickmapDlg::ShowFinishLabels() {
    m_nextButton.SetWindowText(LoadResString(IDS_SETTINGS));
    m_nextButton.SetTooltipText(LoadResString(IDS_TIP_SETTINGS).c_str());
    m_closeButton.SetWindowText(LoadResString(IDS_CLOSE));
}

void CQuickmapDlg::ShowAssignLabels() {
    m_nextButton.SetWindowText(LoadResString(IDS_NEXT));
    m_nextButton.SetIcons(IDI_NEXT, CIconButton::kNoIconOut);
    m_nextButton.SetTooltipText(LoadResString(IDS_TIP_NEXT).c_str());
    m_closeButton.SetWindowText(LoadResString(IDS_CANCEL));
}

void CQuickmapDlg::OnNoShares() {
    m_state.NoSharesFound();
    ShowMessage(LoadResString(IDS_NO_NETWORK_RESOURCE), MB_OK | MB_ICONEXCLAMATION);
    SetStatusText(IDS_STATUS_NO_SHARES);
    ShowFinishLabels();
}

void CQuickmapDlg::ShowAboutBox() {
    CAboutDlg about;
    about.DoModal(m_hWnd);
}

void CQuickmapDlg::HideToTray() {
    if (m_state.IsBusy()) return;
    m_state.MarkRegistryFresh(std::time(nullptr));
    ShowWindow(SW_HIDE);
    if (m_pHelpWnd) m_pHelpWnd->ShowWindow(SW_HIDE);
}

void CQuickmapDlg::ShowFromTray() {
    if (!IsWindowVisible()) {
        if (m_state.MayMove()) {
            GoToDevicePage();
            RefreshHelp();
            ShowAssignLabels();
        }
        ::SetForegroundWindow(m_hWnd);
        ShowWindow(SW_RESTORE);
        ::BringWindowToTop(m_hWnd);
        OnRefresh();
        return;
    }
    ::SetForegroundWindow(m_hWnd);
    ShowWindow(SW_RESTORE);
    ::BringWindowToTop(m_hWnd);
}

void CQuickmapDlg::ShowHelp() {
    if (m_pHelpWnd) m_pHelpWnd->DestroyWindow();
    const int document = ChooseHelpDocument(m_state.Page(), m_state.DeviceCount());
    std::vector<HelpSection> added;
    if (document == IDR_HELP_NOT_FOUND)
        added = NotFoundDetails(m_state.Registry().scanReport, [](unsigned id) { return LoadResString(id); });
    m_pHelpWnd = CHelpDlg::Open(this, document, std::move(added));
}

void CQuickmapDlg::RefreshHelp() {
    if (m_pHelpWnd && m_pHelpWnd->IsWindowVisible()) ShowHelp();
}

void CQuickmapDlg::OnDeviceListNotify(const NMHDR* header) {
    if (m_state.IsScanning()) return;  // the registry is being rebuilt
    if (header->code == LVN_ITEMCHANGED) {
        // Keyboard moves and Ctrl+click change the selection too, not only clicks.
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        if (m_state.DeviceCount() == 0 || change->iItem < 0) return;
        if (change->uNewState & LVIS_SELECTED)
            m_state.SelectRow(change->iItem);
        else if ((change->uOldState & LVIS_SELECTED) && change->iItem == m_state.SelectedRow())
            m_state.ClearSelection();
        return;
    }
    if (header->code != NM_CLICK && header->code != NM_DBLCLK && header->code != NM_RCLICK) return;
    const int item = reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
    if (SleepingAt(item)) {
        if (header->code == NM_RCLICK) OpenDeviceMenu(item);
        return;
    }
    if (m_state.DeviceCount() == 0) {
        // The first row is "Harborbox not found.": help is what the user needs, or adding one by address.
        if (item >= 0 && header->code == NM_RCLICK)
            OpenDeviceMenu(item);
        else if (item >= 0)
            ShowHelp();
        return;
    }
    if (!m_state.EntryAt(item)) return;
    if (header->code == NM_RCLICK) {
        OpenDeviceMenu(item);
        return;
    }
    m_state.SelectRow(item);
    if (header->code == NM_DBLCLK) OpenSelectedShare();
}
