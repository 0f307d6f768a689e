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
