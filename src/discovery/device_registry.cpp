#include "discovery/device_registry.h"
#include "common/text_compare.h"

const char kDefaultDeviceName[] = "QX-Harborbox";

DeviceEntry* DeviceRegistry::FindByIpText(const char* ipText) {
    for (DeviceEntry& entry : devices) {
        if (CompareNoCase(entry.ipText, ipText) == 0) return &entry;
    }
    return nullptr;
}

bool DeviceRegistry::ContainsAddress(uint32_t ipAddress) const {
    for (const DeviceEntry& entry : devices) {
        if (entry.ipAddress == ipAddress) return true;
    }
    return false;
}

bool DeviceKeySet::Less::operator()(const std::pair<std::string, std::string>& a,
                                    const std::pair<std::string, std::string>& b) const {
    const int byName = CompareNoCase(a.first.c_str(), b.first.c_str());
    if (byName != 0) return byName < 0;
    return CompareNoCase(a.second.c_str(), b.second.c_str()) < 0;
}

bool DeviceKeySet::Insert(const DeviceEntry& entry) { return m_keys.emplace(entry.name, entry.ipText).second; }

void SortDevicesByName(std::list<DeviceEntry>& devices) {
    // std::list::sort is a stable merge sort.
    devices.sort([](const DeviceEntry& a, const DeviceEntry& b) { return CompareNoCase(a.name, b.name) < 0; });
}

void RemoveDuplicateDevices(DeviceRegistry& registry) {
    DeviceKeySet seen;
    auto& devices = registry.devices;
    for (auto it = devices.begin(); it != devices.end();) it = seen.Insert(*it) ? std::next(it) : devices.erase(it);
    registry.deviceCount = static_cast<int>(devices.size());
}
