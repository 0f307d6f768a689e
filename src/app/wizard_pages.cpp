// The three pages of the wizard window and the moves between them.
#include "app/about_dlg.h"
#include "app/help_choice.h"
#include "app/help_dlg.h"
#include "app/quickmap_dlg.h"
#include "discovery/device_list_rows.h"
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
    if (m_pWorkerThread) return;
    if (IsDevicePageCurrent()) {
        EnterSharePage();
    } else if (m_bAssignMode && !m_bNoShareResources) {
        MapAndFinish();
        ShowFinishLabels();
    } else {
        OpenWebManager();
    }
    RefreshHelp();
}

void CQuickmapDlg::OnBack() {
    if (m_pWorkerThread) return;
    if (!m_bAssignMode) {
        SetStatusText(IDS_STATUS_SHARE_PAGE);
        EnterSharePage();
    } else {
        GoToDevicePage();
    }
    RefreshHelp();
    ShowAssignLabels();
}

void CQuickmapDlg::OnRefresh() {
    if (m_pWorkerThread) return;
    if (IsDevicePageCurrent())
        StartScan(true);
    else if (m_bAssignMode)
        EnterSharePage();
    else
        SetTimer(kTimerLoadShares, 100);
}

void CQuickmapDlg::EnterSharePage() {
    if (m_bScanning || !EnsureDeviceSelected()) return;
    ++m_nPageGeneration;
    SetProgressAnimation(true);
    m_bAssignMode = 1;
    SetTimer(kTimerLoadShares, 100);
    ShowControl(m_deviceList, false);
    ShowControl(m_backButton, true);
    ShowControl(m_shareTree, true);
    RefreshHelp();
}

void CQuickmapDlg::GoToDevicePage() {
    ++m_nPageGeneration;
    SetStatusText(IDS_STATUS_DEVICE_PAGE);
    ShowControl(m_deviceList, true);
    ShowControl(m_backButton, false);
    ShowControl(m_shareTree, false);
}

void CQuickmapDlg::MapAndFinish() {
    m_nProgressTicks = 0;
    m_progressBar.SendMessage(PBM_SETPOS, 0);
    if (!m_bAssignMode) return;
    ++m_nPageGeneration;
    m_bAssignMode = 0;
    SetTimer(kTimerLoadShares, 100);
    RefreshHelp();
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
    m_bNoShareResources = 1;
    ShowMessage(LoadResString(IDS_NO_NETWORK_RESOURCE), MB_OK | MB_ICONEXCLAMATION);
    SetStatusText(IDS_STATUS_NO_SHARES);
    ShowFinishLabels();
}

void CQuickmapDlg::LoadSharePage(const DeviceEntry* appliance) {
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
    if (appliance && appliance->name[0]) {
        // The appliance is the root; its shared folders come from the Windows network.
        const HTREEITEM root = m_shareTree.InsertItem(appliance->name, kImageAppliance);
        m_shareTree.Expand(root, TVE_EXPAND);
        if (m_bNoShareResources || m_shareTree.GetCount() <= 1) {
            m_shareTree.SetItemImage(root, kImageNameConflict, kImageNameConflict);
            PostMessage(UM_NO_SHARES);
        }
        m_shareTree.SelectItem(root);
    }
    SetProgressAnimation(false);
}

void CQuickmapDlg::ShowAboutBox() {
    CAboutDlg about;
    about.DoModal(m_hWnd);
}

void CQuickmapDlg::HideToTray() {
    if (m_pWorkerThread) return;
    m_registry.scanStartTime = std::time(nullptr);
    ShowWindow(SW_HIDE);
    if (m_pHelpWnd) m_pHelpWnd->ShowWindow(SW_HIDE);
}

void CQuickmapDlg::ShowFromTray() {
    if (!IsWindowVisible()) {
        m_bAssignMode = 1;
        OnBack();
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
    const WizardPage page =
        IsDevicePageCurrent() ? WizardPage::Devices : (m_bAssignMode ? WizardPage::Shares : WizardPage::Finish);
    if (m_pHelpWnd) m_pHelpWnd->DestroyWindow();
    m_pHelpWnd = CHelpDlg::Open(this, ChooseHelpDocument(page, m_registry.deviceCount));
}

void CQuickmapDlg::RefreshHelp() {
    if (m_pHelpWnd && m_pHelpWnd->IsWindowVisible()) ShowHelp();
}

void CQuickmapDlg::OnTreeCheckClicked(HTREEITEM item) {
    if (!item) return;
    const bool checked = m_shareTree.GetCheck(item);
    const HTREEITEM root = m_shareTree.GetRootItem();
    if (item == root && m_shareTree.GetChildItem(root)) {
        for (HTREEITEM child = m_shareTree.GetChildItem(root); child; child = m_shareTree.GetNextSiblingItem(child))
            m_shareTree.SetCheck(child, checked);
        return;
    }
    const HTREEITEM parent = m_shareTree.GetParentItem(item);
    if (!parent) return;
    if (checked) {
        m_shareTree.SetCheck(parent, true);
        return;
    }
    for (HTREEITEM sibling = m_shareTree.GetChildItem(parent); sibling; sibling = m_shareTree.GetNextSiblingItem(sibling))
        if (m_shareTree.GetCheck(sibling)) return;
    m_shareTree.SetCheck(parent, false);
}

void CQuickmapDlg::OnDeviceListNotify(const NMHDR* header) {
    if (header->code == LVN_ITEMCHANGED) {
        // Keyboard moves change the selection too, not only clicks.
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
        const int count = static_cast<int>(m_registry.devices.size());
        if (!m_bScanning && (change->uNewState & LVIS_SELECTED) && change->iItem >= 0 && change->iItem < count &&
            m_registry.deviceCount != 0)
            m_registry.selectedDevice = change->iItem;
        return;
    }
    if (header->code != NM_CLICK && header->code != NM_DBLCLK && header->code != NM_RCLICK) return;
    if (m_bScanning) return;  // the registry is being rebuilt
    const int item = reinterpret_cast<const NMITEMACTIVATE*>(header)->iItem;
    if (m_registry.deviceCount == 0) {
        // The only row is "Harborbox not found.": help is what the user needs.
        if (item >= 0 && header->code != NM_RCLICK) ShowHelp();
        return;
    }
    if (item < 0 || item >= static_cast<int>(m_registry.devices.size())) return;
    if (header->code == NM_RCLICK) {
        OpenDeviceMenu(item);
        return;
    }
    m_registry.selectedDevice = item;
    if (header->code == NM_DBLCLK) OpenSelectedShare();
}
