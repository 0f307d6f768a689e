// The notification icon's states and menu, the device list's menu and the Alt+W hot key.
#include "app/app_globals.h"
#include "app/quickmap_app.h"
#include "app/quickmap_dlg.h"
#include "app/tray_commands.h"
#include "framework/app.h"
#include "framework/resource_strings.h"
#include "res/resource.h"
#include <shellapi.h>
#include <algorithm>
#include <ctime>
#include <vector>

int g_bTrayMenuBusy = 0;

namespace {
constexpr std::time_t kTrayRescanAgeSeconds = 60;

// Loaded once and kept for the life of the process.
HBITMAP MenuBitmap(UINT id) {
    static HBITMAP manage = ::LoadBitmapA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDB_MENU_MANAGE));
    static HBITMAP device = ::LoadBitmapA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDB_MENU_DEVICE));
    static HBITMAP notFound = ::LoadBitmapA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDB_MENU_NOT_FOUND));
    switch (id) {
    case IDB_MENU_MANAGE: return manage;
    case IDB_MENU_DEVICE: return device;
    default: return notFound;
    }
}

void SetItemBitmap(HMENU menu, UINT position, UINT bitmapId) {
    HBITMAP bitmap = MenuBitmap(bitmapId);
    ::SetMenuItemBitmaps(menu, position, MF_BYPOSITION, bitmap, bitmap);
}
}  // namespace

void CQuickmapDlg::SetTrayState(TrayState state) {
    m_trayState = state;
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

void CQuickmapDlg::OnTrayCallback(UINT mouseMessage) {
    if (mouseMessage == WM_RBUTTONUP) {
        if (g_bTrayMenuBusy || !m_state.MayMove()) return;
        ShowTrayMenu();
    } else if (mouseMessage == WM_LBUTTONDBLCLK) {
        PostMessage(WM_COMMAND, ID_CMD_SHOW, 0);
    }
}

void CQuickmapDlg::ShowTrayMenu() {
    g_bTrayMenuBusy = 1;
    SetTrayState(TrayState::Searching);
    // An old registry is renewed first; the menu pops up when the scan's result arrives.
    if (m_state.RegistryOlderThan(std::time(nullptr), kTrayRescanAgeSeconds) &&
        StartScan(false, ScanPurpose::TrayMenu))
        return;
    PopUpTrayMenu();
}

void CQuickmapDlg::PopUpTrayMenu() {
    m_popupMenu.reset(::CreatePopupMenu());
    HMENU menu = m_popupMenu.get();
    ::AppendMenuA(menu, MF_STRING, ID_CMD_ABOUT, LoadResString(IDS_ABOUT_QUICKMAP).c_str());
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    UINT position = 2;
    if (!m_state.Registry().devices.empty()) {
        const std::string manage = LoadResString(IDS_MENU_MANAGE);
        const std::string open = LoadResString(IDS_MENU_OPEN);
        int index = 0;
        for (const DeviceEntry& entry : m_state.Registry().devices) {
            const UINT manageId = TrayDeviceCommandId(index, TrayDeviceAction::Manage);
            if (!manageId) break;  // beyond what the command encoding holds
            HMENU submenu = ::CreatePopupMenu();
            ::AppendMenuA(submenu, MF_STRING, manageId, manage.c_str());
            SetItemBitmap(submenu, 0, IDB_MENU_MANAGE);
            ::AppendMenuA(submenu, MF_STRING, TrayDeviceCommandId(index, TrayDeviceAction::Open), open.c_str());
            SetItemBitmap(submenu, 1, IDB_MENU_DEVICE);
            ::AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(submenu), entry.name);
            SetItemBitmap(menu, position++, IDB_MENU_DEVICE);
            ++index;
        }
        SetTrayState(TrayState::Normal);
    } else {
        ::AppendMenuA(menu, MF_STRING, 0, LoadResString(IDS_NOT_FOUND).c_str());
        SetItemBitmap(menu, position, IDB_MENU_NOT_FOUND);
        SetTrayState(TrayState::NotFound);
    }
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, ID_CMD_ADD_BY_ADDRESS, LoadResString(IDS_MENU_ADD_BY_ADDRESS).c_str());
    ::AppendMenuA(menu, MF_STRING, ID_CMD_EXIT, LoadResString(IDS_MENU_EXIT).c_str());
    TrackPopupAtCursor(TPM_RIGHTALIGN | TPM_LEFTBUTTON);
    g_bTrayMenuBusy = 0;
}

void CQuickmapDlg::RunTrayDeviceCommand(UINT id) {
    const auto command = DecodeTrayDeviceCommand(id);
    if (!command || m_state.IsScanning()) return;
    const DeviceEntry* entry = m_state.EntryAt(command->position);
    if (!entry) return;
    if (command->action == TrayDeviceAction::Manage)
        OpenByShell(std::string("http://") + entry->ipText);
    else
        OpenByShell(std::string("\\\\") + entry->ipText);
}

void CQuickmapDlg::TrackPopupAtCursor(UINT flags) {
    POINT cursor;
    ::GetCursorPos(&cursor);
    ::SetForegroundWindow(m_hWnd);
    ::TrackPopupMenu(m_popupMenu.get(), flags, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    m_popupMenu.reset();  // destroys the submenus with it
    // Lets the menu's owner leave its modal state cleanly once the menu is gone.
    PostMessage(WM_NULL);
}

void CQuickmapDlg::OpenDeviceMenu(int item) {
    // Right-clicking "Harborbox not found." offers adding one by address alone.
    const DeviceEntry* entry = m_state.DeviceCount() > 0 ? m_state.EntryAt(item) : nullptr;
    const bool sleeping = SleepingAt(item) != nullptr;
    if (m_state.DeviceCount() > 0 && !entry && !sleeping) return;
    m_menuRow = item;
    m_popupMenu.reset(::CreatePopupMenu());
    HMENU menu = m_popupMenu.get();
    if (sleeping) {
        ::AppendMenuA(menu, MF_STRING, ID_DEVICE_WAKE_UP, LoadResString(IDS_MENU_WAKE_UP).c_str());
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    if (entry) {
        m_state.SelectRow(item);
        ::AppendMenuA(menu, MF_STRING, ID_DEVICE_MANAGE, LoadResString(IDS_MENU_MANAGE).c_str());
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, ID_DEVICE_OPEN, LoadResString(IDS_MENU_OPEN).c_str());
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuA(menu, MF_STRING, ID_DEVICE_UNIQUE_NAME, LoadResString(IDS_MENU_UNIQUE_NAME).c_str());
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    ::AppendMenuA(menu, MF_STRING, ID_CMD_ADD_BY_ADDRESS, LoadResString(IDS_MENU_ADD_BY_ADDRESS).c_str());
    if (sleeping || (entry && IsAddedByAddress(*entry)))
        ::AppendMenuA(menu, MF_STRING, ID_DEVICE_FORGET, LoadResString(IDS_MENU_FORGET).c_str());
    TrackPopupAtCursor(TPM_LEFTALIGN | TPM_RIGHTBUTTON);
}

void CQuickmapDlg::OnHotKey(int id) {
    if (id != ID_HOT_KEY || !IsWindowVisible() || m_state.IsScanning()) return;
    const DeviceEntry* entry = m_state.EntryAt(std::max(m_state.SelectedRow(), 0));
    if (!entry) return;
    OpenByShell(std::string("http://") + entry->ipText + "/generalsetup/dump.asp");
}

void CQuickmapDlg::ExitProgram() {
    StopCopyingForQuit();
    m_trayIcon.Delete(m_hWnd);
    m_popupMenu.reset();
    ::PostQuitMessage(0);
}

