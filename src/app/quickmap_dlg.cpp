#include "app/quickmap_dlg.h"
#include "app/app_globals.h"
#include "app/quickmap_app.h"
#include "discovery/device_list_rows.h"
#include "discovery/scan_thread.h"
#include "framework/app.h"
#include "framework/resource_strings.h"
#include "res/resource.h"
#include <commctrl.h>
#include <ctime>

namespace {
HICON LoadIconResource(UINT id, int size) {
    return static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, 0));
}

// Private: lets a worker have the progress timer set on the window's own thread.
constexpr UINT kMsgSetProgressAnimation = WM_APP + 1;

const char kHarborboxTempName[] = "Harborbox.tmp";

std::string TempFilePath() {
    char directory[MAX_PATH + 1] = {};
    DWORD length = ::GetTempPathA(MAX_PATH, directory);
    if (length == 0 || length > MAX_PATH) return std::string(".\\") + kHarborboxTempName;
    return std::string(directory, length) + kHarborboxTempName;
}
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
    if (m_deviceImages) ::ImageList_Destroy(m_deviceImages);
    m_registry.devices.clear();
}

BOOL CQuickmapDlg::OnInitDialog() {
    m_deviceList.Attach(GetDlgItem(IDC_DEVICE_LIST));
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
    SetUpDeviceList();
    SetTrayState(TrayState::Searching);
    CenterWindow();
    SetTimer(kTimerFirstScan, 200);
    g_strTempFile = TempFilePath();

    auto* app = dynamic_cast<CQuickmapApp*>(AfxGetApp());
    if (app && app->m_bShowOnStart) {
        ::SetForegroundWindow(m_hWnd);
        ShowWindow(SW_RESTORE);
        ::BringWindowToTop(m_hWnd);
    }
    return TRUE;
}

void CQuickmapDlg::SetUpDeviceList() {
    RECT client;
    ::GetClientRect(m_deviceList.m_hWnd, &client);
    const int width = client.right - client.left;
    m_deviceList.InsertColumn(0, LoadResString(IDS_DEVICE_NAME), width / 2);
    m_deviceList.InsertColumn(1, LoadResString(IDS_IP_ADDRESS), width / 4);
    m_deviceList.InsertColumn(2, LoadResString(IDS_MAC_ADDRESS), width / 4);
    m_deviceList.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_deviceImages = ::ImageList_LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDB_DEVICE_IMAGES), 16, 0,
                                            RGB(255, 0, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    m_deviceList.SetImageList(m_deviceImages, LVSIL_SMALL);
    m_deviceList.InsertItem(0, LoadResString(IDS_SEARCHING), kImageSearching);
}

void CQuickmapDlg::StartScan(bool showSearchingIcon) {
    int expected = 0;
    if (!m_bScanning.compare_exchange_strong(expected, 1)) return;
    if (showSearchingIcon) SetTrayState(TrayState::Searching);
    CWinThread* thread = AfxBeginThread(&ScanThreadProc, nullptr);
    if (!thread) {
        m_bScanning = 0;
        return;
    }
    HANDLE copy = nullptr;
    ::DuplicateHandle(::GetCurrentProcess(), thread->m_hThread, ::GetCurrentProcess(), &copy, SYNCHRONIZE, FALSE, 0);
    m_scanThread.reset(copy);
}

void CQuickmapDlg::SetProgressAnimation(bool on) {
    // Timers belong to the window's thread; a worker asks that thread to do it.
    if (::GetWindowThreadProcessId(m_hWnd, nullptr) != ::GetCurrentThreadId()) {
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

void CQuickmapDlg::SetTrayState(TrayState state) {
    switch (state) {
    case TrayState::Searching:
        m_trayIcon.Modify(m_hWnd, m_iconSearching.get(), LoadResString(IDS_SEARCHING));
        break;
    case TrayState::NotFound:
        m_trayIcon.Modify(m_hWnd, m_iconNotFound.get(), LoadResString(IDS_NOT_FOUND));
        break;
    case TrayState::NameConflict:
        m_trayIcon.Modify(m_hWnd, m_iconConflict.get(), LoadResString(IDS_NAME_CONFLICT));
        break;
    case TrayState::Normal:
        m_trayIcon.Modify(m_hWnd, m_iconNormal.get(), LoadResString(IDS_TRAY_NORMAL));
        break;
    }
}

void CQuickmapDlg::SetStatusText(UINT stringId) { m_statusLine.SetWindowText(LoadResString(stringId)); }

bool CQuickmapDlg::OnCommand(WORD id, WORD code, HWND control) {
    switch (id) {
    case IDOK:
        HideToTray();
        return true;
    case IDCANCEL:
        PostMessage(WM_COMMAND, ID_CMD_EXIT, 0);
        ShowWindow(SW_HIDE);
        return true;
    case ID_CMD_SHOW:
        ShowFromTray();
        return true;
    case ID_CMD_EXIT:
        ExitProgram();
        return true;
    default:
        return CDialog::OnCommand(id, code, control);
    }
}

void CQuickmapDlg::HideToTray() {
    if (m_pWorkerThread) return;
    m_registry.scanStartTime = std::time(nullptr);
    ShowWindow(SW_HIDE);
}

void CQuickmapDlg::ShowFromTray() {
    const bool wasHidden = !IsWindowVisible();
    ::SetForegroundWindow(m_hWnd);
    ShowWindow(SW_RESTORE);
    ::BringWindowToTop(m_hWnd);
    if (wasHidden && !m_pWorkerThread) StartScan(true);
}

void CQuickmapDlg::ExitProgram() {
    m_trayIcon.Delete(m_hWnd);
    ::PostQuitMessage(0);
}

void CQuickmapDlg::OnTimer(UINT_PTR id) {
    switch (id) {
    case kTimerFirstScan:
        if (m_bScanning) return;
        KillTimer(kTimerFirstScan);
        StartScan(true);
        SetTimer(kTimerBackgroundScan, 180000);
        break;
    case kTimerBackgroundScan:
        if (m_bScanning || IsWindowVisible()) return;
        KillTimer(kTimerBackgroundScan);
        StartScan(false);
        SetTimer(kTimerBackgroundScan, 180000);
        break;
    case kTimerProgress:
        AdvanceProgress();
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
        m_pWorkerThread = nullptr;  // the buttons work again; the worker ends by itself
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

bool CQuickmapDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (msg) {
    case WM_SETCURSOR:
        return OnSetCursor(result);
    case kMsgSetProgressAnimation:
        SetProgressAnimation(wParam != 0);
        return true;
    default:
        return false;
    }
}
