// Resource ids shared by the .rc files and the program.
#pragma once
#include "resource_aux.h"
#include "resource_discovery.h"
#include "resource_web.h"
#include "resource_shares.h"
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
#define IDI_NEXT 144
#define IDI_CLOSE 146
#define IDI_REFRESH 147
#define IDI_BACK 158
#define IDI_HELP_BUTTON 160

// Bitmaps
#define IDB_DEVICE_IMAGES 114
#define IDB_BANNER 152
#define IDB_MENU_MANAGE 120
#define IDB_MENU_DEVICE 121
#define IDB_MENU_NOT_FOUND 142

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
#define IDS_CHOSEN_APPLIANCE_GONE 18
#define IDS_MENU_OPEN 4
#define IDS_MENU_EXIT 5
#define IDS_MENU_MANAGE 6
#define IDS_SELECT_SHARE_FIRST 17
#define IDS_TIP_CLOSE 21
#define IDS_TIP_SETTINGS 22
#define IDS_TIP_HELP 23
#define IDS_TIP_REFRESH 24
#define IDS_TIP_NEXT 25
#define IDS_NO_NETWORK_RESOURCE 27
#define IDS_TIP_BACK 30
#define IDS_NEXT 57347
#define IDS_STATUS_SHARE_PAGE 57353
#define IDS_STATUS_FINISH_PAGE 57354
#define IDS_CLOSE 57355
#define IDS_SETTINGS 57356
#define IDS_CANCEL 57357
#define IDS_STATUS_NO_SHARES 57359
#define IDS_MENU_UNIQUE_NAME 57385
#define IDS_CONGRATULATIONS 57391

