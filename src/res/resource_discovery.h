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

// What a scan that found nothing tried, and what to try
#define IDS_STATUS_NOTHING_ANSWERED 57810
#define IDS_STATUS_NO_NETWORK 57811
#define IDS_TRIED_HEADING 57812
#define IDS_TRIED_NO_NETWORK 57813
#define IDS_TRIED_ADAPTER 57814
#define IDS_TRIED_LIMITED 57815
#define IDS_TRIED_COUNTS 57816
#define IDS_TRIED_DIRECT 57817
#define IDS_TRY_HEADING 57818
#define IDS_TRY_ROUTER 57819
#define IDS_TRY_POWER 57820
#define IDS_TRY_FIREWALL 57821

// Remembered appliances that did not answer, and waking them
#define IDS_NOT_RESPONDING 57830
#define IDS_MENU_WAKE_UP 57831
#define IDS_WAKING 57832
#define IDS_WAKE_FAILED 57833
