// The device strip (blank, network, computers, appliance, shared folder, printer, other share, searching,
// not found, warning) as an image list drawn for a DPI; the caller frees it.
#pragma once
#include <windows.h>
#include <commctrl.h>

HIMAGELIST LoadDeviceImages(int dpi);
