// The one notification icon of the wizard window.
#pragma once
#include "res/command_ids.h"
#include "res/message_ids.h"
#include <windows.h>
#include <shellapi.h>
#include <string>

constexpr size_t kTrayTooltipMax = 63;

extern int g_bTrayIconPresent;

// The record every request to the notification-icon service carries; the tooltip is cut to 63 characters.
NOTIFYICONDATAA MakeTrayIconData(HWND owner, HICON icon, const std::string& tooltip);

class CTrayIcon {
public:
    bool Add(HWND owner, HICON icon, const std::string& tooltip);
    // Sent only while the icon is present.
    void Modify(HWND owner, HICON icon, const std::string& tooltip);
    void Delete(HWND owner);
};
