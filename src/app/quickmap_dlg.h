// The wizard window: the program's one main window and the hub that owns the device registry,
// starts the workers and receives their reports.
#pragma once
#include "app/tray_icon.h"
#include "discovery/device_registry.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/list_ctrl.h"
#include "framework/thread.h"
#include <atomic>

enum class TrayState { Searching, Normal, NotFound, NameConflict };

// Timers of the wizard window.
constexpr UINT_PTR kTimerFirstScan = 888;
constexpr UINT_PTR kTimerLoadShares = 889;
constexpr UINT_PTR kTimerProgress = 890;
constexpr UINT_PTR kTimerBackgroundScan = 891;
constexpr int kWorkerTimeoutTicks = 600;

class CQuickmapDlg : public CDialog {
public:
    explicit CQuickmapDlg(CWnd* owner);
    ~CQuickmapDlg() override;

    // Operations the workers and other windows call; safe from any thread.
    void StartScan(bool showSearchingIcon);
    void SetProgressAnimation(bool on);
    void ReportFailure(UINT stringId);
    void SetTrayState(TrayState state);
    void SetStatusText(UINT stringId);
    // Called by the scan when its list is filled.
    void EndScan() { m_bScanning = 0; }
    bool IsScanning() const { return m_bScanning != 0; }

    DeviceRegistry& Registry() { return m_registry; }
    CListCtrl& DeviceList() { return m_deviceList; }

    std::atomic<int> m_bAssignMode{1};
    std::atomic<CWinThread*> m_pWorkerThread{nullptr};
    std::atomic<int> m_nProgressTicks{0};

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    void OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PostNcDestroy() override { delete this; }

private:
    void SetUpDeviceList();
    void HideToTray();
    void ShowFromTray();
    void ExitProgram();
    void AdvanceProgress();
    bool OnSetCursor(LRESULT& result);

    DeviceRegistry m_registry;
    std::atomic<int> m_bScanning{0};
    fw::unique_handle m_scanThread;  // kept only so destruction can wait for a running scan

    CListCtrl m_deviceList;
    CWnd m_statusLine;
    CWnd m_progressBar;
    CTrayIcon m_trayIcon;

    fw::unique_hicon m_windowIcon;
    fw::unique_hicon m_iconNormal;
    fw::unique_hicon m_iconSearching;
    fw::unique_hicon m_iconNotFound;
    fw::unique_hicon m_iconConflict;
    HIMAGELIST m_deviceImages = nullptr;
};
