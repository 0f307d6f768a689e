#include "discovery/device_address.h"
#include "common/network_names.h"
#include "common/text_compare.h"

std::string DeviceAddressName(const DeviceRegistry& registry, const DeviceEntry& entry) {
    bool shared = false;
    for (const DeviceEntry& other : registry.devices)
        shared = shared || (CompareNoCase(other.name, entry.name) == 0 && CompareNoCase(other.ipText, entry.ipText) != 0);
    return AddressNameOf(entry.name, entry.ipText, shared);
}
