#include "discovery/device_list_rows.h"
#include "common/text_compare.h"
#include <cstdio>

DeviceListRows BuildDeviceListRows(const std::list<DeviceEntry>& devices) {
    DeviceListRows result;
    for (const DeviceEntry& entry : devices) {
        int image = kImageAppliance;
        for (const DeviceListRow& row : result.rows) {
            if (CompareNoCase(row.name.c_str(), entry.name) == 0) {
                // The registry is sorted by name, so the row before carries the same name.
                image = kImageNameConflict;
                result.rows.back().image = kImageNameConflict;
                result.nameConflict = true;
                break;
            }
        }
        result.rows.push_back({entry.name, entry.ipText, FormatMacAddress(entry), image});
    }
    return result;
}

std::string FormatMacAddress(const DeviceEntry& entry) {
    const uint8_t* mac = entry.deviceData + 2;
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}
