#include "app/quickmap_dlg.h"
#include "app/app_globals.h"
#include "app/quickmap_app.h"
#include "discovery/device_list_rows.h"
#include "discovery/scan_thread.h"
#include "framework/app.h"
#include "framework/resource_strings.h"
#include "res/resource.h"
#include "webmgmt/reply_file.h"
#include <commctrl.h>
#include <objbase.h>
#include <windowsx.h>
#include <ctime>

namespace {
// Private: lets a worker have the progress timer set on the window's own thread.
constexpr UINT kMsgSetProgressAnimation = WM_APP + 1;

HICON LoadIconResource(UINT id, int size) {
    return static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}

bool OnWindowThread(HWND hwnd) { return ::GetWindowThreadProcessId(hwnd, nullptr) == ::GetCurrentThreadId(); }
}  // namespace

CQuickmapDlg::CQuickmapDlg(CWnd* owner) : CDialog(IDD_QUICKMAP_DIALOG) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES |
                                                          ICC_PROGRESS_CLASS | ICC_ANIMATE_CLASS | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_windowIcon.reset(LoadIconResource(IDI_APPLICATION_ICON, 0));
    m_iconNormal.reset(LoadIconResource(IDI_TRAY_NORMAL, 16));
    m_iconSearching.reset(LoadIconResource(IDI_TRAY_SEARCHING, 16));
    m_iconNotFound.reset(LoadIconResource(IDI_TRAY_NOT_FOUND, 16));
    m_iconConflict.reset(LoadIconResource(IDI_TRAY_CONFLICT, 16));
    Create(IDD_QUICKMAP_DIALOG, owner);
}

CQuickmapDlg::~CQuickmapDlg() {
    // A scan still running would touch this object: give it a bounded time to end.
    if (m_scanThread) ::WaitForSingleObject(m_scanThread.get(), 3000);
    ::UnregisterHotKey(m_hWnd, kHotKeyId);
    if (m_comInitialized) ::CoUninitialize();
    m_registry.devices.clear();
}

BOOL CQuickmapDlg::OnInitDialog() {
    m_deviceList.SubclassDlgItem(IDC_DEVICE_LIST, *this);
    m_shareTree.Attach(GetDlgItem(IDC_SHARE_TREE));
    m_statusLine.Attach(GetDlgItem(IDC_STATUS_LINE));
    m_progressBar.Attach(GetDlgItem(IDC_PROGRESS));

    HMENU systemMenu = ::GetSystemMenu(m_hWnd, FALSE);
    const std::string aboutText = LoadResString(IDS_ABOUT_QUICKMAP);
    if (systemMenu && !aboutText.empty()) {
        ::AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
    }
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_windowIcon.get()));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_windowIcon.get()));
    // No task-bar button: the program lives in the notification area.
    ::SetWindowLongPtrA(m_hWnd, GWL_EXSTYLE, ::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE) & ~WS_EX_APPWINDOW);

    if (m_iconNormal) m_trayIcon.Add(m_hWnd, m_iconNormal.get(), aboutText);
    m_comInitialized = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    m_deviceList.SetUpColumnsAndImages(LoadResString(IDS_DEVICE_NAME), LoadResString(IDS_IP_ADDRESS),
                                       LoadResString(IDS_MAC_ADDRESS), LoadResString(IDS_SEARCHING));
    SetUpButtons();
    ::RegisterHotKey(m_hWnd, kHotKeyId, MOD_ALT, 'W');
    SetTrayState(TrayState::Searching);
    CenterWindow();
    SetTimer(kTimerFirstScan, 200);
    g_strTempFile = DefaultReplyFilePath();

    auto* app = dynamic_cast<CQuickmapApp*>(AfxGetApp());
    if (app && app->m_bShowOnStart) {
        ::SetForegroundWindow(m_hWnd);
        ShowWindow(SW_RESTORE);
        ::BringWindowToTop(m_hWnd);
    }
    return TRUE;
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

void CQuickmapDlg::StartScan(bool showSearchingIcon) {
    int expected = 0;
    if (!m_bScanning.compare_exchange_strong(expected, 1)) return;
    if (showSearchingIcon) SetTrayState(TrayState::Searching);
    CWinThread* thread = AfxBeginThread(&ScanThreadProc, nullptr, CREATE_SUSPENDED);
    if (!thread) {
        m_bScanning = 0;
        return;
    }
    HANDLE copy = nullptr;
    ::DuplicateHandle(::GetCurrentProcess(), thread->m_hThread, ::GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0);
    m_scanThread.reset(copy);
    thread->ResumeThread();
}

int CQuickmapDlg::StartWebOperation(int type) {
    CWinThread* thread = AfxBeginThread(&WebOperationThreadProc, new WorkerTicket{type, m_nPageGeneration},
                                        CREATE_SUSPENDED);
    if (!thread) return 0;
    m_pWorkerThread = thread;
    thread->ResumeThread();
    return 1;
}

void CQuickmapDlg::StartShareLoading() {
    CWinThread* thread = AfxBeginThread(&ShareThreadProc, new WorkerTicket{0, m_nPageGeneration}, CREATE_SUSPENDED);
    if (!thread) return;
    m_pWorkerThread = thread;
    thread->ResumeThread();
}

void CQuickmapDlg::WorkerFinished(unsigned generation) {
    // An abandoned worker must not free the buttons of, or stop the animation for, a newer one.
    if (!IsCurrentGeneration(generation)) return;
    m_pWorkerThread = nullptr;
}

bool CQuickmapDlg::EnsureDeviceSelected() {
    if (m_registry.selectedDevice >= 0) return true;
    const int count = m_registry.deviceCount;
    if (count == 1) {
        m_registry.selectedDevice = 0;
        return true;
    }
    if (count > 0)
        ::MessageBoxA(m_hWnd, LoadResString(IDS_SELECT_DEVICE_FIRST).c_str(), LoadResString(IDS_APP_TITLE).c_str(),
                      MB_OK | MB_ICONINFORMATION);
    return false;
}

void CQuickmapDlg::SetProgressAnimation(bool on) {
    // Timers belong to the window's thread; a worker asks that thread to do it.
    if (!OnWindowThread(m_hWnd)) {
        SendMessage(kMsgSetProgressAnimation, on ? 1 : 0);
        return;
    }
    m_nProgressTicks = 0;
    if (on)
        SetTimer(kTimerProgress, 50);
    else
        KillTimer(kTimerProgress);
    m_progressBar.SendMessage(PBM_SETPOS, 0);
}

void CQuickmapDlg::ReportFailure(UINT stringId) {
    // The text goes to the box as text, never as a format.
    ::MessageBoxA(m_hWnd, LoadResString(stringId).c_str(), LoadResString(IDS_APP_TITLE).c_str(), MB_OK);
    m_nProgressTicks = 0;
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
        PostMessage(WM_COMMAND, ID_CMD_EXIT, 0);
        ShowWindow(SW_HIDE);
        return true;
    case ID_CMD_SHOW: ShowFromTray(); return true;
    case ID_CMD_EXIT: ExitProgram(); return true;
    case ID_CMD_ABOUT: ShowAboutBox(); return true;
    case ID_DEVICE_OPEN: OpenSelectedShare(); return true;
    case ID_DEVICE_MANAGE: OpenWebManager(); return true;
    case ID_DEVICE_UNIQUE_NAME: StartWebOperation(3); return true;
    default:
        RunTrayDeviceCommand(id);
        return CDialog::OnCommand(id, code, control);
    }
}

bool CQuickmapDlg::OnNotify(NMHDR* header, LRESULT&) {
    if (header->idFrom == IDC_DEVICE_LIST) {
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
    }
    return false;
}

void CQuickmapDlg::OnTimer(UINT_PTR id) {
    switch (id) {
    case kTimerFirstScan:
        if (m_bScanning) return;
        KillTimer(kTimerFirstScan);
        StartScan(true);
        SetTimer(kTimerBackgroundScan, 180000);
        break;
    case kTimerLoadShares:
        KillTimer(kTimerLoadShares);
        StartShareLoading();
        break;
    case kTimerProgress:
        AdvanceProgress();
        break;
    case kTimerBackgroundScan:
        if (m_bScanning || IsWindowVisible()) return;
        KillTimer(kTimerBackgroundScan);
        StartScan(false);
        SetTimer(kTimerBackgroundScan, 180000);
        break;
    default:
        break;
    }
}

void CQuickmapDlg::AdvanceProgress() {
    const int ticks = ++m_nProgressTicks;
    m_progressBar.SendMessage(PBM_SETPOS, static_cast<WPARAM>(ticks % 100));
    if (ticks > kWorkerTimeoutTicks && m_pWorkerThread) {
        SetProgressAnimation(false);
        // Abandon the worker: the buttons work again, and its late results belong to an old generation.
        ++m_nPageGeneration;
        m_pWorkerThread = nullptr;
        ReportFailure(IDS_DEVICE_INFO_FAILED);
    }
}

bool CQuickmapDlg::OnSetCursor(LRESULT& result) {
    if (m_bScanning && ::GetFocus()) {
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
    case kMsgSetProgressAnimation: SetProgressAnimation(wParam != 0); return true;
    case WM_TRAY_CALLBACK: OnTrayCallback(static_cast<UINT>(lParam)); return true;
    case WM_HOTKEY: OnHotKey(static_cast<int>(wParam)); return true;
    case UM_NO_SHARES: OnNoShares(); return true;
    case UM_TREE_CHECK_CLICKED: OnTreeCheckClicked(reinterpret_cast<HTREEITEM>(lParam)); return true;
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
        return false;
    }
}
