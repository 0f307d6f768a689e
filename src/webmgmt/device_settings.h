// Changes to the selected appliance's own settings through its web pages.
#pragma once

class CQuickmapDlg;

// Renames the selected appliance to its unique MAC-derived name. Returns 0 when nothing was sent
// (already unique, declined, prompt cancelled), else 1. Runs on the web-operation worker.
int SetUniqueDeviceName(CQuickmapDlg& window);

// Tells the selected appliance the program's language unless it has one or the program speaks English.
// Runs on the window thread, before the web manager opens.
int UpdateDeviceLanguage(CQuickmapDlg& window);
