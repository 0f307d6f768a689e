// Resource ids of the help window, the password prompt and the About box.
#pragma once

// Dialog templates
#define IDD_ABOUTBOX 118
#define IDD_PASSWORD 159
#define IDD_HELP 175

// Controls of the password prompt
#define IDC_PASSWORD_EDIT 1015
#define IDC_PASSWORD_PROMPT 1036
#define IDC_USER_NAME_EDIT 1037

// RTF help documents, resource type "BIN" (there is no 179)
#define IDR_HELP_DEVICES 176
#define IDR_HELP_SHARES 177
#define IDR_HELP_FINISH 178
#define IDR_HELP_NOT_FOUND 180

// Strings
#define IDS_SHARE_PASSWORD_PROMPT 57363
#define IDS_ADMIN_PASSWORD_PROMPT 57364
