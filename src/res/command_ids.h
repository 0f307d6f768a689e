// Every command id of the program: menu items, the commands it posts to itself, and the ids the shell hands
// back with its messages. Plain defines, no Windows header: scripts and host tests read them too (the build
// writes them out as ids.sh).
#pragma once

// Commands a second start posts to the running instance; the tray menu uses them too.
#define ID_CMD_SHOW 9001
#define ID_CMD_ABOUT 9002
#define ID_CMD_EXIT 9003
// Posted by the copy worker when it starts a batch.
#define ID_COPY_STARTED 9004
// Tray and device list menus: asks an appliance by its address.
#define ID_CMD_ADD_BY_ADDRESS 9005

// System menu item "About Harborbox Quickmap"
#define IDM_ABOUTBOX 272

// Share tree menu
#define ID_SHARE_OPEN 32788
#define ID_SHARE_MAP_DRIVE 32789
#define ID_SHARE_REMOVE_DRIVE 32790
#define ID_DEVICE_MANAGE_SHARE 32791
#define ID_SHARE_ADD 32792
#define ID_SHARE_DELETE 32793

// Device list menu: Open and Manage are the share tree's commands of the same names.
#define ID_DEVICE_OPEN ID_SHARE_OPEN
#define ID_DEVICE_MANAGE ID_DEVICE_MANAGE_SHARE
#define ID_DEVICE_UNIQUE_NAME 32794
#define ID_DEVICE_FORGET 32795
#define ID_DEVICE_WAKE_UP 32796

// Tray menu items of each device (app/tray_commands.h encodes them): the first sixteen devices in the group,
// the others from the second base, below the menu ids above and above the dialog ids.
#define ID_TRAY_DEVICE_GROUP 0xEE00
#define ID_TRAY_EXTRA_DEVICES 0x4000
#define ID_TRAY_EXTRA_DEVICES_END 0x7F00

// The notification icon's id and the Alt+W hot key's.
#define ID_TRAY_ICON 186
#define ID_HOT_KEY 8888
