// Whether a drive letter can take a new connection: not in use, and not remembered for a network drive
// that is away (asking for its remote name says "not connected").
#pragma once
#include <windows.h>

// `mask` is GetLogicalDrives() of the table, taken once by the caller for a run of letters.
bool IsDriveLetterFree(char letter, DWORD mask);
