#include "app/quickmap_dlg.h"
#include "app/app_globals.h"
#include "app/not_found_report.h"
#include "app/quickmap_app.h"
#include "app/wizard_link.h"
#include "app/worker_threads.h"
#include "common/art_sizes.h"
#include "common/text_compare.h"
#include "copy/copy_queue.h"
#include "discovery/device_address.h"
#include "discovery/device_list_rows.h"
#include "discovery/remembered_store.h"
#include "framework/app.h"
#include "framework/cursor.h"
#include "framework/dpi.h"
#include "framework/resource_strings.h"
#include "res/resource.h"
#include <commctrl.h>
#include <objbase.h>
#include <windowsx.h>
#include <algorithm>

namespace {
HICON LoadIconResource(UINT id, int size) {
    return static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}

// Sent by the shell when the task bar (and with it the notification area) is created anew.
const UINT kMsgTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");
}  // namespace

CQuickmapDlg::CQuickmapDlg(CWnd* owner) : CDialog(IDD_QUICKMAP_DIALOG) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                                          ICC_PROGRESS_CLASS | ICC_ANIMATE_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_windowIconLarge.reset(LoadIconResource(IDI_APPLICATION_ICON, ::GetSystemMetrics(SM_CXICON)));
    m_windowIconSmall.reset(LoadIconResource(IDI_APPLICATION_ICON, ::GetSystemMetrics(SM_CXSMICON)));
    // The notification area shows small icons at the display's scaling.
    const int traySide = ::GetSystemMetrics(SM_CXSMICON);
    m_iconNormal.reset(LoadIconResource(IDI_TRAY_NORMAL, traySide));
    m_iconSearching.reset(LoadIconResource(IDI_TRAY_SEARCHING, traySide));
    m_iconNotFound.reset(LoadIconResource(IDI_TRAY_NOT_FOUND, traySide));
    m_iconConflict.reset(LoadIconResource(IDI_TRAY_CONFLICT, traySide));
    Create(IDD_QUICKMAP_DIALOG, owner);
}

CQuickmapDlg::~CQuickmapDlg() {
    // Workers still running keep the link, not this object: from now on their requests are cancelled and
    // their results dropped. Nothing here waits for them.
    if (m_link) m_link->Close();
}

BOOL CQuickmapDlg::OnInitDialog() {
    m_link = std::make_shared<CWizardLink>(*this);
    m_deviceList.SubclassDlgItem(IDC_DEVICE_LIST, *this);
    m_shareTree.SubclassDlgItem(IDC_SHARE_TREE, *this);
    m_shareTree.SetManagementOffered(CompareNoCase(g_strLanguage.c_str(), "English") == 0);
    m_statusLine.Attach(GetDlgItem(IDC_STATUS_LINE));
    m_progressBar.Attach(GetDlgItem(IDC_PROGRESS));

    HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    const std::string aboutText = LoadResString(IDS_ABOUT_QUICKMAP);
    if (systemMenu && !aboutText.empty()) {
        ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
    }
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_windowIconLarge.get()));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_windowIconSmall.get()));
    // No task-bar button: the program lives in the notification area.
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);

    FitBannerToDpi();
    AddTrayIcon();
    m_deviceList.SetUpColumnsAndImages(LoadResString(IDS_DEVICE_NAME), LoadResString(IDS_IP_ADDRESS),
                                       LoadResString(IDS_MAC_ADDRESS), LoadResString(IDS_SEARCHING));
    SetUpCopyDrop();
    SetUpButtons();
    m_hotKeyRegistered = ::RegisterHotKey(m_hWnd, ID_HOT_KEY, MOD_ALT, 'W') != FALSE;
    SetTrayState(TrayState::Searching);
    CenterWindow();
    m_state.Remembered() = LoadRememberedAppliances();
    SetTimer(ID_TIMER_FIRST_SCAN, 200);

    auto* app = dynamic_cast<CQuickmapApp*>(AfxGetApp());
    if (app && app->m_bShowOnStart) {
        ::SetForegroundWindow(m_hWnd);
        ShowWindow(SW_RESTORE);
        ::BringWindowToTop(m_hWnd);
    }
    return TRUE;
}

void CQuickmapDlg::FitBannerToDpi() {
    HWND banner = GetDlgItem(IDC_BANNER);
    if (!banner) return;
    RECT place, client;
    ::GetWindowRect(banner, &place);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
    ::GetClientRect(m_hWnd, &client);
    // The banner keeps the same margin on both sides; its sunken edge takes a pixel each side.
    const int room = client.right - 2 * place.left - 2;
    const UINT drawings[] = {IDB_BANNER, IDB_BANNER_144, IDB_BANNER_192};
    // Down to the 100 % drawing, which the template is laid out for: back on a 100 % monitor a larger one
    // would be cut.
    for (int step = art_sizes::ScaleStep(fw::WindowDpi(m_hWnd)); step >= 0; --step) {
        fw::unique_gdi<HBITMAP> bitmap(static_cast<HBITMAP>(
            ::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(drawings[step]), IMAGE_BITMAP, 0, 0, 0)));
        BITMAP size = {};
        if (!bitmap || !::GetObjectA(bitmap.get(), sizeof size, &size) || (step > 0 && size.bmWidth > room)) continue;
        ::SendMessageA(banner, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
        m_banner = std::move(bitmap);
        return;
    }
}

void CQuickmapDlg::SetUpButton(CIconButton& button, int iconId, UINT tooltipId) {
    button.SetIcons(iconId, CIconButton::kNoIconOut);
    button.SetFlat(false);
    button.SetTooltipText(LoadResString(tooltipId).c_str());
}

void CQuickmapDlg::SetUpButtons() {
    m_closeButton.SubclassDlgItem(IDOK, *this);
    m_refreshButton.SubclassDlgItem(IDC_REFRESH, *this);
    m_helpButton.SubclassDlgItem(IDC_HELP_BUTTON, *this);
    m_nextButton.SubclassDlgItem(IDC_NEXT, *this);
    m_backButton.SubclassDlgItem(IDC_BACK, *this);
    SetUpButton(m_closeButton, IDI_CLOSE, IDS_TIP_CLOSE);
    SetUpButton(m_refreshButton, IDI_REFRESH, IDS_TIP_REFRESH);
    SetUpButton(m_helpButton, IDI_HELP_BUTTON, IDS_TIP_HELP);
    SetUpButton(m_nextButton, IDI_NEXT, IDS_NEXT);
    SetUpButton(m_backButton, IDI_BACK, IDS_TIP_BACK);
    m_backButton.EnableWindow(false);
}

void CQuickmapDlg::AddTrayIcon() {
    if (m_iconNormal) m_trayIcon.Add(m_hWnd, m_iconNormal.get(), LoadResString(IDS_ABOUT_QUICKMAP));
}

bool CQuickmapDlg::StartWorker(AFX_THREADPROC proc, void* job) {
    // The worker's ticket was taken before the job was made, so its result can never arrive ahead of it.
    return AfxBeginThread(proc, job) != nullptr;
}

bool CQuickmapDlg::StartScan(bool showSearchingIcon, ScanPurpose purpose) {
    if (!m_state.BeginScan(purpose == ScanPurpose::DeviceList)) return false;
    if (showSearchingIcon) SetTrayState(TrayState::Searching);
    if (purpose == ScanPurpose::DeviceList) StartListScan();
    auto* job = new ScanJob{m_link, purpose, ScanOptionsFor(purpose)};
    if (StartWorker(&ScanThreadProc, job)) return true;
    delete job;
    m_state.FinishScan(DeviceRegistry{});
    SetProgressAnimation(false);
    return false;
}

void CQuickmapDlg::OnScanFinished(DeviceRegistry found, ScanPurpose purpose) {
    RememberSeen(found);
    const ScanArrival arrival = m_state.FinishScan(std::move(found));
    if (arrival == ScanArrival::ChosenGone) {
        ShowPage();
        ShowAssignLabels();
        RefreshHelp();
    }
    FillDeviceList();
    NudgeMousePointer();  // the wait cursor ends with the scan
    if (arrival == ScanArrival::ChosenGone && IsWindowVisible()) ReportFailure(IDS_CHOSEN_APPLIANCE_GONE);
    if (purpose == ScanPurpose::TrayMenu) PopUpTrayMenu();
}

void CQuickmapDlg::FillDeviceList() {
    // The row of the appliance selected before, or the first.
    const int selectedRow = std::max(m_state.SelectedRow(), 0);
    SetStatusText(IDS_STATUS_DEVICE_PAGE);
    m_deviceList.DeleteAllItems();
    SetProgressAnimation(false);
    if (m_state.DeviceCount() < 1) {
        m_deviceList.InsertItem(0, LoadResString(IDS_NOT_FOUND), kImageNotFound);
        SetStatusText(NotFoundSummary(m_state.Registry().scanReport, [](unsigned id) { return LoadResString(id); }));
        SetTrayState(TrayState::NotFound);
        AppendSleepingRows(1);
        return;
    }
    const DeviceListRows rows = BuildDeviceListRows(m_state.Registry().devices);
    m_deviceList.AppendRows(rows.rows);
    AppendSleepingRows(static_cast<int>(rows.rows.size()));
    m_state.SelectRow(selectedRow);
    m_deviceList.SetItemState(selectedRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (rows.nameConflict) {
        SetTrayState(TrayState::NameConflict);
        if (IsWindowVisible()) ReportFailure(IDS_NAME_CONFLICT_MESSAGE);
    } else {
        SetTrayState(TrayState::Normal);
    }
}

void CQuickmapDlg::OnDeviceSettingsFinished(const DeviceSettingsWork& work, const OperationResult& renamed) {
    m_state.SetCredentials(work.credentials);
    if (renamed.outcome != Outcome::Done) return;
    m_state.UpdateEntry(work.entry);
    FillDeviceList();
}

const DeviceEntry* CQuickmapDlg::TargetAppliance() {
    // The share and finish pages act on the appliance they were entered for, whatever the list shows now.
    if (m_state.Page() != WizardPage::Devices) return m_state.ChosenAppliance();
    if (m_state.IsScanning()) return nullptr;
    const DeviceChoice choice = m_state.ChooseDevice();
    if (choice == DeviceChoice::AskUser)
        ShowMessage(LoadResString(IDS_SELECT_DEVICE_FIRST), MB_OK | MB_ICONINFORMATION);
    return choice == DeviceChoice::Chosen ? m_state.SelectedEntry() : nullptr;
}

void CQuickmapDlg::StartWebOperation(int type) {
    const DeviceEntry* entry = TargetAppliance();
    if (!entry) return;
    const auto ticket = m_state.BeginWork(WorkKind::WebOperation);
    if (!ticket) return;
    auto* job = new WebOperationJob{m_link, *ticket, type, {}, {}};
    if (type == 3) {
        job->settings.entry = *entry;
        job->settings.listedName = entry->name;
        job->settings.host = entry->ipText;
        job->settings.language = g_strLanguage;
        job->settings.credentials = m_state.Credentials();
    } else {
        job->shares.entry = *entry;
        job->shares.addressName = DeviceAddressName(m_state.Registry(), *entry);
        job->shares.credentials = m_state.Credentials();
        job->shares.owner = m_hWnd;
        const HTREEITEM item = m_shareTree.GetSelectedItem();
        if (const auto data = m_shareTree.GetItemData(item))
            job->shares.selected = *data;
    }
    if (StartWorker(&WebOperationThreadProc, job)) return;
    delete job;
    m_state.CancelWork(*ticket);
}

void CQuickmapDlg::StartShareLoading() {
    const DeviceEntry* entry = m_state.ChosenAppliance();
    const auto ticket = m_state.BeginWork(WorkKind::Listing);
    if (!ticket) return;
    SetProgressAnimation(true);
    auto* job = new ShareLoadJob{m_link, *ticket, ShareQuery(), entry && entry->name[0]};
    // "Connecting..." until the worker's listing fills the tree.
    m_shareTree.DeleteAllItems();
    if (job->hasAppliance) m_shareTree.ShowPlaceholder(TVI_ROOT);
    if (StartWorker(&ShareThreadProc, job)) return;
    delete job;
    m_state.CancelWork(*ticket);
}

void CQuickmapDlg::SetProgressAnimation(bool on) {
    m_state.ResetProgress();
    if (on)
        SetTimer(ID_TIMER_PROGRESS, 50);
    else
        KillTimer(ID_TIMER_PROGRESS);
    m_progressBar.SendMessage(PBM_SETPOS, 0);
}

int CQuickmapDlg::ShowMessage(const std::string& text, UINT flags) {
    // The text goes to the box as text, never as a format.
    return ::MessageBoxA(m_hWnd, text.c_str(), LoadResString(IDS_APP_TITLE).c_str(), flags);
}

void CQuickmapDlg::ReportFailure(UINT stringId) {
    ShowMessage(LoadResString(stringId), MB_OK);
    m_state.ResetProgress();
    m_progressBar.SendMessage(PBM_SETPOS, 0);
}

void CQuickmapDlg::SetStatusText(UINT stringId) { m_statusLine.SetWindowText(LoadResString(stringId)); }

bool CQuickmapDlg::OnCommand(WORD id, WORD code, HWND control) {
    switch (id) {
    case IDC_NEXT: OnNext(); return true;
    case IDC_BACK: OnBack(); return true;
    case IDC_REFRESH: OnRefresh(); return true;
    case IDC_HELP_BUTTON: ShowHelp(); return true;
    case IDOK: HideToTray(); return true;
    case IDCANCEL:
        if (!ConfirmQuitWhileCopying()) return true;
        PostMessage(WM_COMMAND, ID_CMD_EXIT, kExitWithoutAsking);
        ShowWindow(SW_HIDE);
        return true;
    case ID_CMD_SHOW: ShowFromTray(); return true;
    case ID_CMD_EXIT:
        // The tray menu's Exit asks while a copy runs; a second start's has nobody to ask.
        if (reinterpret_cast<LPARAM>(control) != kExitWithoutAsking && !ConfirmQuitWhileCopying()) return true;
        ExitProgram();
        return true;
    case ID_CMD_ABOUT: ShowAboutBox(); return true;
    case ID_COPY_STARTED: m_copyQueue->OnCopyStarted(); return true;
    case ID_DEVICE_OPEN: OpenSelectedShare(); return true;
    case ID_DEVICE_MANAGE: OpenWebManager(); return true;
    case ID_DEVICE_UNIQUE_NAME: StartWebOperation(3); return true;
    case ID_CMD_ADD_BY_ADDRESS: AddByAddress(); return true;
    case ID_DEVICE_FORGET: ForgetMenuAppliance(); return true;
    case ID_DEVICE_WAKE_UP: WakeUp(); return true;
    default:
        RunTrayDeviceCommand(id);
        return CDialog::OnCommand(id, code, control);
    }
}

bool CQuickmapDlg::OnNotify(NMHDR* header, LRESULT& result) {
    if (header->idFrom == IDC_DEVICE_LIST && header->code == NM_CUSTOMDRAW) {
        m_deviceList.CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(header), result);
        return true;
    } else if (header->idFrom == IDC_DEVICE_LIST) {
        OnDeviceListNotify(header);
    } else if (header->idFrom == IDC_SHARE_TREE && header->code == NM_CLICK) {
        // Posted, so the tree has toggled the box before the rules read it.
        DWORD pos = ::GetMessagePos();
        POINT point = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
        ::ScreenToClient(m_shareTree.m_hWnd, &point);
        UINT flags = 0;
        HTREEITEM item = m_shareTree.HitTest(point, &flags);
        if (item && (flags & TVHT_ONITEMSTATEICON))
            PostMessage(UM_TREE_CHECK_CLICKED, 0, reinterpret_cast<LPARAM>(item));
    } else if (header->idFrom == IDC_SHARE_TREE &&
               (header->code == TVN_SELCHANGEDA || header->code == TVN_SELCHANGEDW)) {
        OnShareSelectionChanged(reinterpret_cast<const NMTREEVIEWA*>(header)->itemNew.hItem);
    }
    return false;
}

void CQuickmapDlg::OnTimer(UINT_PTR id) {
    switch (id) {
    case ID_TIMER_FIRST_SCAN:
        if (m_state.IsScanning()) return;
        KillTimer(ID_TIMER_FIRST_SCAN);
        StartScan(true);
        SetTimer(ID_TIMER_BACKGROUND_SCAN, 180000);
        break;
    case ID_TIMER_LOAD_SHARES:
        // Waits for a running worker rather than take its place; a page left meanwhile loads nothing.
        if (m_state.IsBusy() || m_state.IsScanning()) return;
        KillTimer(ID_TIMER_LOAD_SHARES);
        if (m_state.Page() != WizardPage::Devices) StartShareLoading();
        break;
    case ID_TIMER_PROGRESS:
        AdvanceProgress();
        break;
    case ID_TIMER_WAKE_COUNTDOWN:
        OnWakeCountdown();
        break;
    case ID_TIMER_BACKGROUND_SCAN:
        // A running worker holds a snapshot of the registry a rescan would replace under the user.
        if (!m_state.MayMove() || IsWindowVisible()) return;
        KillTimer(ID_TIMER_BACKGROUND_SCAN);
        StartScan(false);
        SetTimer(ID_TIMER_BACKGROUND_SCAN, 180000);
        break;
    default:
        break;
    }
}

void CQuickmapDlg::AdvanceProgress() {
    const bool abandoned = m_state.WatchdogTick();
    m_progressBar.SendMessage(PBM_SETPOS, static_cast<WPARAM>(m_state.ProgressPosition()));
    // The worker was silent too long: the buttons work again, and its late result is dropped.
    if (abandoned) ShowWorkerFailure();
}

void CQuickmapDlg::ShowWorkerFailure() {
    SetProgressAnimation(false);
    m_shareTree.RemovePlaceholder();
    ReportFailure(IDS_DEVICE_INFO_FAILED);
}

bool CQuickmapDlg::OnSetCursor(LRESULT& result) {
    if (m_state.IsScanning() && ::GetFocus()) {
        ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        result = TRUE;
        return true;
    }
    ::SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    return false;
}

bool CQuickmapDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (msg) {
    case WM_SETCURSOR: return OnSetCursor(result);
    case WM_CLOSE:
        // The caption's close button only hides, even while a worker runs.
        ShowWindow(SW_HIDE);
        return true;
    case UM_RUN_LINKED_WORK: m_link->RunPending(); return true;
    case WM_SYSCOLORCHANGE:
        // Child controls hear of new colours only from their parent.
        for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            ::SendMessageA(child, WM_SYSCOLORCHANGE, wParam, lParam);
        return false;
    case WM_DESTROY:
        if (m_hotKeyRegistered) ::UnregisterHotKey(m_hWnd, ID_HOT_KEY);
        m_hotKeyRegistered = false;
        return false;
    case WM_DPICHANGED: {
        // Moved to a monitor of another scaling: the size Windows suggests, the banner drawn for it. The
        // dialog manager then scales the controls and their fonts; buttons and lists redraw their pictures.
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(m_hWnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                       suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        FitBannerToDpi();
        return false;
    }
    case WM_ENDSESSION:
        if (wParam) StopCopyingForQuit();  // the process ends when this returns
        return true;
    case WM_TRAY_CALLBACK: OnTrayCallback(static_cast<UINT>(lParam)); return true;
    case WM_HOTKEY: OnHotKey(static_cast<int>(wParam)); return true;
    case UM_NO_SHARES: OnNoShares(); return true;
    case UM_TREE_CHECK_CLICKED: m_shareTree.ApplyCheckClick(reinterpret_cast<HTREEITEM>(lParam)); return true;
    case UM_MAP_DRIVE: StartDriveLetterChange(wParam != 0); return true;
    case UM_OPEN_SHARE: OpenSelectedShare(); return true;
    case UM_MANAGE_DEVICE: OnManageDevice(); return true;
    case UM_ADD_SHARE: StartWebOperation(1); return true;
    case UM_DELETE_SHARE: StartWebOperation(2); return true;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
            ShowAboutBox();
            return true;
        }
        return false;
    default:
        if (msg == kMsgTaskbarCreated && kMsgTaskbarCreated != 0) {
            AddTrayIcon();
            SetTrayState(m_trayState);
            return true;
        }
        return false;
    }
}
