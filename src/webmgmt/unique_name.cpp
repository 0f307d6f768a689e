#include "webmgmt/unique_name.h"
#include <cstdio>

std::string UniqueDeviceName(const DeviceEntry& entry) {
    char name[32];
    std::snprintf(name, sizeof name, "Harborbox-%02X%02X", entry.deviceData[6], entry.deviceData[7]);
    return name;
}
