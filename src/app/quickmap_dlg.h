// The wizard window: the program's one main window and the hub that owns the device registry, starts the
// workers and applies their results. Everything here runs on the window's thread; workers reach the window
// only through its link (app/wizard_link.h).
#pragma once
#include "app/tray_icon.h"
#include "app/wizard_state.h"
#include "common/admin_credentials.h"
#include "discovery/address_query.h"
#include "discovery/device_registry.h"
#include "discovery/device_scan.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/thread.h"
#include "shares/drive_mapping.h"
#include "shares/share_listing.h"
#include "shares/share_tree_ctrl.h"
#include "res/command_ids.h"
#include "res/message_ids.h"
#include "res/timer_ids.h"
#include "widgets/device_list_ctrl.h"
#include "widgets/icon_button.h"
#include "webmgmt/device_settings.h"
#include "webmgmt/share_operations.h"
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CCopyQueue;
class CHelpDlg;
class CWizardLink;

enum class TrayState { Searching, Normal, NotFound, NameConflict };

// What a scan's result is for: the device list, or the tray menu that waits for it.
enum class ScanPurpose { DeviceList, TrayMenu };

class CQuickmapDlg : public CDialog {
public:
    explicit CQuickmapDlg(CWnd* owner);
    ~CQuickmapDlg() override;

    // What the window shows and may start; read-only outside the window.
    const WizardState& State() const { return m_state; }

    // False when a scan or a worker already runs.
    bool StartScan(bool showSearchingIcon, ScanPurpose purpose = ScanPurpose::DeviceList);
    void SetProgressAnimation(bool on);
    void ReportFailure(UINT stringId);
    int ShowMessage(const std::string& text, UINT flags);
    void SetTrayState(TrayState state);
    void SetStatusText(UINT stringId);
    void SetStatusText(const std::string& text) { m_statusLine.SetWindowText(text); }

    // Rewrites the device list from the registry and reports the outcome (status line, tray icon,
    // name-conflict message when the window is visible).
    void FillDeviceList();

    // Workers' results. A scan's is checked by the scan state; every other passes AcceptResult first (the
    // link does that) and is applied by one of the named methods after it.
    void OnScanFinished(DeviceRegistry found, ScanPurpose purpose);
    // Appliances as soon as scan `scanNumber` read their replies: rows at their places by name until the
    // scan's end lists the registry.
    void OnEntriesFound(const std::vector<DeviceEntry>& entries, unsigned scanNumber);
    bool AcceptResult(const WorkTicket& ticket) { return m_state.AcceptResult(ticket); }
    // The share page from a loading worker's result: the network drive letters and the appliance's folders.
    void LoadSharePage(std::vector<MappedDrive> drives, const ShareListing* listing);
    void OnMappingFinished(const MappingOutcome& outcome);
    void OnDriveLetterChanged(const DriveLetterChange& change, const ShareListing& listing);
    // An added or deleted shared folder: the login the appliance accepted, the shortcut answer and the
    // drive letters (the tree itself is reloaded by the share-loading timer).
    void OnShareOperationFinished(const ShareOperationWork& work);
    // Renaming: the entry is listed with its new name once `renamed` is done.
    void OnDeviceSettingsFinished(const DeviceSettingsWork& work, const OperationResult& renamed);
    void OnManageFinished(const DeviceSettingsWork& work, const std::string& url);
    // Add by address: a found appliance is remembered and listed by a rescan; a failure says why.
    void OnAddressQueried(const std::string& asked, const AddressQueryResult& result);
    // A worker that ended without its result (it failed, or the watchdog gave up on it).
    void ShowWorkerFailure();
    // A worker listed another folder: the watchdog waits again.
    void NoteWorkerProgress() { m_state.NoteProgress(); }

    // What workers are given to reach this window.
    std::shared_ptr<CWizardLink> Link() const { return m_link; }

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
    void AddByAddress();
    // Drops the appliance the device list's menu was opened for from those remembered: one added by
    // address, or a sleeping one, which is then no longer listed unless it answers again.
    void ForgetMenuAppliance();

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR id) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PostNcDestroy() override { delete this; }

private:
    void SetUpButtons();
    // The largest banner drawn for the window's scaling that its place in the window has room for.
    void FitBannerToDpi();
    static void SetUpButton(CIconButton& button, int iconId, UINT tooltipId);
    void EnterSharePage();
    void GoToDevicePage();
    void ShowPage();
    void MapAndFinish();
    void ShowFinishLabels();
    void ShowAssignLabels();
    void OnNoShares();
    void OnShareSelectionChanged(HTREEITEM item);
    void StartDriveLetterChange(bool map);
    ShareServerQuery ShareQuery();
    const DeviceEntry* TargetAppliance();
    void StartWebOperation(int type);
    void OnManageDevice();
    void StartManage(const std::string& url);
    void OnDeviceListNotify(const NMHDR* header);
    void OnTrayCallback(UINT mouseMessage);
    void PopUpTrayMenu();
    void RunTrayDeviceCommand(UINT id);
    // What a scan found is remembered for the next start: sleeping and added appliances stay known.
    void RememberSeen(const DeviceRegistry& found);
    bool SaveRemembered();
    bool IsAddedByAddress(const DeviceEntry& entry) const;
    // The device list's scan: the "searching" row, then the appliances as they answer.
    void StartListScan();
    ScanOptions ScanOptionsFor(ScanPurpose purpose);
    void InsertEarlyRow(const DeviceEntry& entry);
    // Remembered appliances the registry lacks, from `firstRow` on.
    void AppendSleepingRows(int firstRow);
    const RememberedAppliance* SleepingAt(int row) const;
    void WakeUp();
    void OnWakeCountdown();
    void ShowWakeCountdown();
    void TrackPopupAtCursor(UINT flags);
    void ExitProgram();
    void AdvanceProgress();
    void StartShareLoading();
    bool StartWorker(AFX_THREADPROC proc, void* job);
    bool OnSetCursor(LRESULT& result);
    void ShowAboutBox();
    void AddTrayIcon();
    void SetUpCopyDrop();
    std::string ChooseDropDevice();
    void OpenByShell(const std::string& target);
    bool ConfirmQuitWhileCopying();
    void StopCopyingForQuit();

    std::shared_ptr<CWizardLink> m_link;  // shared with the workers, outlives this window
    std::unique_ptr<CCopyQueue> m_copyQueue;
    WizardState m_state;
    CHelpDlg* m_pHelpWnd = nullptr;

    CDeviceListCtrl m_deviceList;
    CShareTreeCtrl m_shareTree;
    CWnd m_statusLine;
    CWnd m_progressBar;
    CIconButton m_nextButton;
    CIconButton m_backButton;
    CIconButton m_closeButton;
    CIconButton m_helpButton;
    CIconButton m_refreshButton;
    CTrayIcon m_trayIcon;
    TrayState m_trayState = TrayState::Searching;  // shown again when the shell comes back
    fw::unique_hmenu m_popupMenu;

    fw::unique_hicon m_windowIconLarge;
    fw::unique_hicon m_windowIconSmall;
    fw::unique_hicon m_iconNormal;
    fw::unique_hicon m_iconSearching;
    fw::unique_hicon m_iconNotFound;
    fw::unique_hicon m_iconConflict;
    fw::unique_gdi<HBITMAP> m_banner;  // null while the template's own (100 %) banner shows
    int m_earlyRows = 0;  // rows the running scan listed before its end
    std::vector<RememberedAppliance> m_sleeping;  // listed from m_firstSleepingRow on
    int m_firstSleepingRow = 0;
    int m_menuRow = -1;  // the row the device list's menu was opened for
    int m_wakeCountdown = 0;  // seconds to the rescan after a wake-up call
    std::string m_wakingName;
    bool m_hotKeyRegistered = false;
};
