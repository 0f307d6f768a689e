#include "app/tray_icon.h"
#include <shellapi.h>

int g_bTrayIconPresent = 1;

NOTIFYICONDATAA MakeTrayIconData(HWND owner, HICON icon, const std::string& tooltip) {
    NOTIFYICONDATAA data = {};
    // The extended layout: the one that carries a 128-character tooltip.
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner;
    data.uID = ID_TRAY_ICON;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WM_TRAY_CALLBACK;
    data.hIcon = icon;
    const std::string tip = tooltip.substr(0, kTrayTooltipMax);
    tip.copy(data.szTip, tip.size());
    return data;
}

bool CTrayIcon::Add(HWND owner, HICON icon, const std::string& tooltip) {
    NOTIFYICONDATAA data = MakeTrayIconData(owner, icon, tooltip);
    g_bTrayIconPresent = 1;
    return ::Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void CTrayIcon::Modify(HWND owner, HICON icon, const std::string& tooltip) {
    if (!g_bTrayIconPresent) return;
    NOTIFYICONDATAA data = MakeTrayIconData(owner, icon, tooltip);
    ::Shell_NotifyIconA(NIM_MODIFY, &data);
}

void CTrayIcon::Delete(HWND owner) {
    NOTIFYICONDATAA data = MakeTrayIconData(owner, nullptr, std::string());
    data.uFlags = 0;
    ::Shell_NotifyIconA(NIM_DELETE, &data);
    g_bTrayIconPresent = 0;
}
