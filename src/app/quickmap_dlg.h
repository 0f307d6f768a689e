// The wizard window: the program's one main window and the hub that owns the device registry,
// starts the workers and receives their reports.
#pragma once
#include "app/tray_icon.h"
#include "discovery/device_registry.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/thread.h"
#include "framework/tree_ctrl.h"
#include "widgets/device_list_ctrl.h"
#include "widgets/icon_button.h"
#include <atomic>
#include <string>

class CHelpDlg;

enum class TrayState { Searching, Normal, NotFound, NameConflict };

// Messages the window sends or posts to itself.
constexpr UINT UM_NO_SHARES = WM_USER + 100;
constexpr UINT UM_TREE_CHECK_CLICKED = WM_USER + 101;
constexpr UINT UM_OPEN_SHARE = WM_USER + 102;
constexpr UINT UM_MAP_DRIVE = WM_USER + 103;
constexpr UINT UM_MANAGE_DEVICE = WM_USER + 104;
constexpr UINT UM_ADD_SHARE = WM_USER + 106;
constexpr UINT UM_DELETE_SHARE = WM_USER + 107;

// Timers of the wizard window.
constexpr UINT_PTR kTimerFirstScan = 888;
constexpr UINT_PTR kTimerLoadShares = 889;
constexpr UINT_PTR kTimerProgress = 890;
constexpr UINT_PTR kTimerBackgroundScan = 891;
constexpr int kWorkerTimeoutTicks = 600;
constexpr int kHotKeyId = 8888;

// Device list menu commands.
constexpr UINT ID_DEVICE_OPEN = 32788;
constexpr UINT ID_DEVICE_MANAGE = 32791;
constexpr UINT ID_DEVICE_UNIQUE_NAME = 32794;

// What a worker was started for: the page generation lets a late result of an abandoned worker be dropped.
struct WorkerTicket {
    int argument;
    unsigned generation;
};

class CQuickmapDlg : public CDialog {
public:
    explicit CQuickmapDlg(CWnd* owner);
    ~CQuickmapDlg() override;

    // Operations workers and other windows call; safe from any thread.
    void StartScan(bool showSearchingIcon);
    void SetProgressAnimation(bool on);
    void ReportFailure(UINT stringId);
    int StartWebOperation(int type);
    bool EnsureDeviceSelected();
    void EnterSharePage();
    void SetTrayState(TrayState state);
    void SetStatusText(UINT stringId);
    void SetStatusText(const std::string& text) { m_statusLine.SetWindowText(text); }
    void EndScan() { m_bScanning = 0; }
    bool IsScanning() const { return m_bScanning != 0; }

    // A worker's results count only while the page it was started for is still current.
    bool IsCurrentGeneration(unsigned generation) const { return generation == m_nPageGeneration; }
    // Called by a worker when it ends.
    void WorkerFinished(unsigned generation);

    DeviceRegistry& Registry() { return m_registry; }
    CDeviceListCtrl& DeviceList() { return m_deviceList; }
    CTreeCtrl& ShareTree() { return m_shareTree; }
    bool IsDevicePageCurrent() const { return m_deviceList.IsWindowEnabled(); }
    std::string GetBrowserPath();

    std::atomic<int> m_bAssignMode{1};
    std::atomic<int> m_bNoShareResources{0};
    std::atomic<int> m_bMapFailed{0};
    std::atomic<CWinThread*> m_pWorkerThread{nullptr};
    std::atomic<int> m_nProgressTicks{0};
    CHelpDlg* m_pHelpWnd = nullptr;

    // User actions, public so the tray, menus and tests reach them as a user would.
    void OnNext();
    void OnBack();
    void OnRefresh();
    void ShowHelp();
    void RefreshHelp();
    void HideToTray();
    void ShowFromTray();
    void ShowTrayMenu();
    void OpenDeviceMenu(int item);
    void OnHotKey(int id);
    void OpenSelectedShare();
    void OpenWebManager();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PostNcDestroy() override { delete this; }

private:
    void SetUpButtons();
    static void SetUpButton(CIconButton& button, int iconId, UINT tooltipId);
    void GoToDevicePage();
    void MapAndFinish();
    void ShowFinishLabels();
    void ShowAssignLabels();
    void OnNoShares();
    void OnTreeCheckClicked(HTREEITEM item);
    void OnManageDevice();
    void OnDeviceListNotify(const NMHDR* header);
    void OnTrayCallback(UINT mouseMessage);
    void RunTrayDeviceCommand(UINT id);
    void TrackPopupAtCursor(UINT flags);
    void ExitProgram();
    void AdvanceProgress();
    void StartShareLoading();
    bool OnSetCursor(LRESULT& result);
    void OpenByShell(const std::string& file, const std::string& parameters);
    void ShowAboutBox();

    DeviceRegistry m_registry;
    std::atomic<int> m_bScanning{0};
    std::atomic<unsigned> m_nPageGeneration{0};
    fw::unique_handle m_scanThread;  // kept only so destruction can wait for a running scan
    std::string m_strBrowserPath;

    CDeviceListCtrl m_deviceList;
    CTreeCtrl m_shareTree;
    CWnd m_statusLine;
    CWnd m_progressBar;
    CIconButton m_nextButton;
    CIconButton m_backButton;
    CIconButton m_closeButton;
    CIconButton m_helpButton;
    CIconButton m_refreshButton;
    CTrayIcon m_trayIcon;
    fw::unique_hmenu m_popupMenu;

    fw::unique_hicon m_windowIcon;
    fw::unique_hicon m_iconNormal;
    fw::unique_hicon m_iconSearching;
    fw::unique_hicon m_iconNotFound;
    fw::unique_hicon m_iconConflict;
    bool m_comInitialized = false;
};

UINT ShareThreadProc(LPVOID ticket);
UINT WebOperationThreadProc(LPVOID ticket);
