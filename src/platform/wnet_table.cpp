#include "platform/wnet_table.h"
#include "framework/test_bed_guard.h"
#include "platform/wine_network.h"

namespace {
WNetTable& Current() {
    static WNetTable table = IsRunningUnderWine() ? WineWNetTable() : SystemWNetTable();
    return table;
}
}  // namespace

const WNetTable& WNet() { return Current(); }

WNetTable SetWNetTable(const WNetTable& table) {
    const WNetTable previous = Current();
    Current() = table;
    return previous;
}

WNetTable SystemWNetTable() {
    return {&::WNetOpenEnumA,          &::WNetEnumResourceA,     &::WNetCloseEnum,
            &::WNetGetResourceInformationA, &::WNetAddConnection2A, &::WNetCancelConnection2A,
            &::WNetGetUniversalNameA, &::WNetConnectionDialog1A, &::GetLogicalDrives,
            &::GetDriveTypeA};
}

DWORD GetDriveUniversalName(char letter, DWORD infoLevel, void* buffer, DWORD bufferSize) {
    const char device[] = {letter, ':', '\0'};
    DWORD answer;
    do {
        DWORD size = bufferSize;
        answer = WNet().WNetGetUniversalNameA(device, infoLevel, buffer, &size);
        if (answer == ERROR_IO_PENDING) ::Sleep(500);
    } while (answer == ERROR_IO_PENDING);
    return answer;
}
