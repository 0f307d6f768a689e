// Resource ids of finding appliances that broadcasts miss: adding one by its address, and forgetting it.
#pragma once

// Dialog template and its control
#define IDD_ADD_ADDRESS 195
#define IDC_ADDRESS_EDIT 1050

// Strings
#define IDS_MENU_ADD_BY_ADDRESS 57800
#define IDS_MENU_FORGET 57801
#define IDS_ADDRESS_NOT_RESOLVED 57802
#define IDS_ADDRESS_NO_ANSWER 57803
#define IDS_ADDRESS_NOT_HARBORBOX 57804
#define IDS_ADDRESS_NOT_SAVED 57805
