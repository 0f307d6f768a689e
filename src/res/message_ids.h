// Every private window message of the program (the build writes them out as ids.sh for scripts).
#pragma once
#include <windows.h>

// The notification icon's callback.
constexpr UINT WM_TRAY_CALLBACK = WM_USER + 1;
// The wizard window to itself.
constexpr UINT UM_NO_SHARES = WM_USER + 100;
constexpr UINT UM_TREE_CHECK_CLICKED = WM_USER + 101;
// The share tree to its host window (each with lParam 0).
constexpr UINT UM_OPEN_SHARE = WM_USER + 102;     // open the selected item
constexpr UINT UM_MAP_DRIVE = WM_USER + 103;      // wParam 1: map a drive letter, 0: remove it
constexpr UINT UM_MANAGE_DEVICE = WM_USER + 104;  // open the appliance's web manager
constexpr UINT UM_ADD_SHARE = WM_USER + 106;
constexpr UINT UM_DELETE_SHARE = WM_USER + 107;
// The wizard window's link: queued work is waiting.
constexpr UINT UM_RUN_LINKED_WORK = WM_APP + 2;
