#include "discovery/device_list_rows.h"
#include "common/text_compare.h"
#include "discovery/mac_address.h"
#include <map>

namespace {
struct NameLess {
    bool operator()(const std::string& a, const std::string& b) const { return CompareNoCase(a.c_str(), b.c_str()) < 0; }
};
}  // namespace

DeviceListRows BuildDeviceListRows(const std::list<DeviceEntry>& devices) {
    DeviceListRows result;
    result.rows.reserve(devices.size());
    // The last row of each name: in a registry sorted by name that is the row just before.
    std::map<std::string, size_t, NameLess> lastRowOfName;
    for (const DeviceEntry& entry : devices) {
        int image = kImageAppliance;
        const auto [earlier, isNew] = lastRowOfName.emplace(entry.name, result.rows.size());
        if (!isNew) {
            image = kImageNameConflict;
            result.rows[earlier->second].image = kImageNameConflict;
            result.nameConflict = true;
            earlier->second = result.rows.size();
        }
        result.rows.push_back({entry.name, entry.ipText, FormatMacAddress(entry), image});
    }
    return result;
}

std::string DeviceListRowText(const DeviceListRow& row) {
    return row.note.empty() ? row.name : row.name + " - " + row.note;
}

std::string FormatMacAddress(const DeviceEntry& entry) { return FormatMacText(MacOf(entry)); }
