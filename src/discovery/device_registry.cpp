#include "discovery/device_registry.h"
#include "common/text_compare.h"
#include "discovery/datagram.h"

const char kDefaultDeviceName[] = "QX-Harborbox";

DeviceEntry* DeviceRegistry::SelectedEntry() {
    const int selected = selectedDevice;
    if (selected < 0) return nullptr;
    int position = 0;
    for (DeviceEntry& entry : devices) {
        if (position++ == selected) return &entry;
    }
    return nullptr;
}

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

void ApplyDatagramReply(DeviceRegistry& registry, uint16_t requestCommand, const uint8_t* data, size_t length,
                        uint32_t senderAddress) {
    if (requestCommand == kCommandDiscoverRequest) {
        if (auto entry = DecodeDiscoverReply(data, length, senderAddress)) registry.devices.push_back(*entry);
    } else if (requestCommand == kCommandQueryRequest) {
        DeviceEntry* entry = registry.FindByIpText(FormatIpText(senderAddress).c_str());
        if (entry) ApplyQueryReply(data, length, *entry);
    }
}

void SortDevicesByName(std::list<DeviceEntry>& devices) {
    // std::list::sort is a stable merge sort.
    devices.sort([](const DeviceEntry& a, const DeviceEntry& b) { return CompareNoCase(a.name, b.name) < 0; });
}

void RemoveDuplicateDevices(DeviceRegistry& registry) {
    auto& devices = registry.devices;
    for (auto it = devices.begin(); it != devices.end() && devices.size() >= 2; ++it) {
        for (auto later = std::next(it); later != devices.end();) {
            const bool same = CompareNoCase(later->name, it->name) == 0 && CompareNoCase(later->ipText, it->ipText) == 0;
            later = same ? devices.erase(later) : std::next(later);
        }
    }
    registry.deviceCount = static_cast<int>(devices.size());
}
