// Resource ids of the share tree, drive letters and the Map Network Drive stand-in dialog.
#pragma once

// Dialog templates
#define IDD_MAP_NETWORK_DRIVE 230

// Controls of the Map Network Drive dialog
#define IDC_MAP_DRIVE_LETTER 2301
#define IDC_MAP_FOLDER_PATH 2302
#define IDC_MAP_INTRO 2303
#define IDC_MAP_DRIVE_LABEL 2304
#define IDC_MAP_FOLDER_LABEL 2305

// Strings
#define IDS_MENU_MAP_DRIVE 8
#define IDS_MENU_REMOVE_DRIVE 9
#define IDS_REMOVE_DRIVE_FAILED 10
#define IDS_MAP_DIALOG_FAILED 11
#define IDS_CONNECTING 16
#define IDS_MAP_FAILED 19
#define IDS_ASK_SHORTCUTS 57351
#define IDS_SHORTCUT_NAME 57361
#define IDS_MENU_ADD_SHARE 57366
#define IDS_DRIVE_NONE 57373
#define IDS_MENU_DELETE_SHARE 57374
#define IDS_INVALID_PASSWORD 57392
#define IDS_SHARE_NAME_UNUSABLE 57620
