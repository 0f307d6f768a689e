// Messages the share tree posts to its host window (each with lParam 0).
#pragma once
#include <windows.h>

constexpr UINT UM_OPEN_SHARE = WM_USER + 102;     // open the selected item
constexpr UINT UM_MAP_DRIVE = WM_USER + 103;      // wParam 1: map a drive letter, 0: remove it
constexpr UINT UM_MANAGE_DEVICE = WM_USER + 104;  // open the appliance's web manager
constexpr UINT UM_ADD_SHARE = WM_USER + 106;
constexpr UINT UM_DELETE_SHARE = WM_USER + 107;
