// The pixels per inch a window is shown at: its monitor's on Windows 10 and later (the program is per-monitor
// aware), the system's before.
#pragma once
#include <windows.h>

namespace fw {
int WindowDpi(HWND window);

// Sent to each child after its top-level window moved to a monitor of another DPI (Windows 10 1703 and
// later); the headers declare it only for builds that require that Windows.
constexpr UINT kDpiChangedAfterParent = 0x02E3;
}  // namespace fw
