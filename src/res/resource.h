// Resource ids shared by the .rc files and the program.
#pragma once
#include "resource_aux.h"
#include "resource_web.h"
#include "resource_widgets.h"

// Dialog templates
#define IDD_QUICKMAP_DIALOG 102

// Controls of the wizard window
#define IDC_SHARE_TREE 1000
#define IDC_BANNER 1020
#define IDC_DEVICE_LIST 1022
#define IDC_REFRESH 1023
#define IDC_HELP_BUTTON 1025
#define IDC_STATUS_LINE 1030
#define IDC_BACK 1032
#define IDC_NEXT 1034
#define IDC_PROGRESS 1035

// Icons
#define IDI_APPLICATION_ICON 112
#define IDI_TRAY_NOT_FOUND 125
#define IDI_TRAY_SEARCHING 143
#define IDI_TRAY_CONFLICT 185
#define IDI_TRAY_NORMAL 186

// Bitmaps
#define IDB_DEVICE_IMAGES 114
#define IDB_BANNER 152

// Strings
#define IDS_ABOUT_QUICKMAP 1
#define IDS_TRAY_NORMAL 2
#define IDS_NOT_FOUND 3
#define IDS_DEVICE_NAME 12
#define IDS_IP_ADDRESS 13
#define IDS_SELECT_DEVICE_FIRST 14
#define IDS_SEARCHING 15
#define IDS_APP_TITLE 57344
#define IDS_STATUS_DEVICE_PAGE 57352
#define IDS_MAC_ADDRESS 57358
#define IDS_STATUS_NOT_FOUND 57360
#define IDS_NAME_CONFLICT_MESSAGE 57362
#define IDS_DEVICE_INFO_FAILED 57367
#define IDS_NAME_CONFLICT 57390

// System menu item "About Harborbox Quickmap"
#define IDM_ABOUTBOX 272
