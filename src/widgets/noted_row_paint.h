// Draws a device list row that carries a note: greyed, its icon, then name and note across the whole row.
#pragma once
#include "discovery/device_list_rows.h"
#include <windows.h>
#include <commctrl.h>

void PaintNotedRow(HWND list, const NMLVCUSTOMDRAW& draw, const DeviceListRow& row);
