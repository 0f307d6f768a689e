// The one notification icon of the wizard window.
#pragma once
#include <windows.h>
#include <string>

constexpr UINT WM_TRAY_CALLBACK = WM_USER + 1;
constexpr UINT kTrayIconId = 186;
constexpr size_t kTrayTooltipMax = 63;

extern int g_bTrayIconPresent;

class CTrayIcon {
public:
    bool Add(HWND owner, HICON icon, const std::string& tooltip);
    // Sent only while the icon is present.
    void Modify(HWND owner, HICON icon, const std::string& tooltip);
    void Delete(HWND owner);
};
