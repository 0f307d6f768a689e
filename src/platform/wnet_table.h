// The Windows networking functions the program calls, and the drive queries that must agree with them,
// as one table. Callers use it exactly as they would use mpr: WNet().WNetOpenEnumA(...).
#pragma once
#include "framework/handles.h"
#include <windows.h>
#include <winnetwk.h>

struct WNetTable {
    decltype(&::WNetOpenEnumA) WNetOpenEnumA;
    decltype(&::WNetEnumResourceA) WNetEnumResourceA;
    decltype(&::WNetCloseEnum) WNetCloseEnum;
    decltype(&::WNetGetResourceInformationA) WNetGetResourceInformationA;
    decltype(&::WNetAddConnection2A) WNetAddConnection2A;
    decltype(&::WNetCancelConnection2A) WNetCancelConnection2A;
    decltype(&::WNetGetUniversalNameA) WNetGetUniversalNameA;
    decltype(&::WNetConnectionDialog1A) WNetConnectionDialog1A;
    decltype(&::GetLogicalDrives) GetLogicalDrives;
    decltype(&::GetDriveTypeA) GetDriveTypeA;
};

// The table in use: the system's functions on Windows, the stand-in under Wine (whose own mpr has no
// network). Chosen once, on first use.
const WNetTable& WNet();

// Puts `table` in place (tests point it at fakes) and returns the one it replaces. Only while no worker
// uses the table.
WNetTable SetWNetTable(const WNetTable& table);

WNetTable SystemWNetTable();

// An open network enumeration, closed through the table that opened it.
inline void CloseWNetEnumValue(HANDLE enumeration) { WNet().WNetCloseEnum(enumeration); }
using unique_wnet_enum = fw::unique_any<HANDLE, CloseWNetEnumValue, nullptr>;

// WNetGetUniversalNameA for drive `letter` ("X:"), asked again every 500 ms while the answer is pending.
DWORD GetDriveUniversalName(char letter, DWORD infoLevel, void* buffer, DWORD bufferSize);
