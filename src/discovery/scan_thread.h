// The scan worker of the wizard window and the device list it fills.
#pragma once
#include <windows.h>

class CQuickmapDlg;

// Worker entry: animates the progress bar, scans, fills the list. Returns 0.
UINT ScanThreadProc(LPVOID);

// Clears the registry, scans, fills the list and ends the scan; returns the scan's result.
int RescanDevices(CQuickmapDlg& window);

// Rewrites the device list from the registry and reports the outcome (status line, tray icon,
// name-conflict message when the window is visible).
void FillDeviceList(CQuickmapDlg& window);
