#include "discovery/device_scan.h"
#include "discovery/datagram.h"
#include "discovery/datagram_exchange.h"
#include "common/text_compare.h"
#include <winsock2.h>
#include <cstring>
#include <ctime>

namespace {
int ExchangeDiscover(DeviceRegistry& registry, uint32_t destination) {
    const DiscoverRequestBytes request = BuildDiscoverRequest();
    uint8_t reply[kReplyBufferSize] = {};
    return ExchangeDatagram(registry, destination, kDiscoveryPort, request.data(), static_cast<int>(request.size()),
                            reply, sizeof reply);
}

void NameFromReverseLookup(DeviceEntry& entry) {
    const uint32_t address = entry.ipAddress;
    const hostent* host = ::gethostbyaddr(reinterpret_cast<const char*>(&address), 4, AF_INET);
    const char* name = (host && host->h_name && host->h_name[0]) ? host->h_name : entry.ipText;
    CopyToField(entry.name, name, std::strlen(name));
}

bool ResolveFirstIPv4(const char* hostName, uint32_t& address) {
    const hostent* host = ::gethostbyname(hostName);
    if (!host || host->h_addrtype != AF_INET || !host->h_addr_list || !host->h_addr_list[0]) return false;
    std::memcpy(&address, host->h_addr_list[0], 4);
    return true;
}

// Asks the factory-named appliance directly, for networks where broadcasts do not reach it.
int ProbeDefaultName(DeviceRegistry& registry) {
    uint32_t address = 0;
    if (!ResolveFirstIPv4(kDefaultDeviceName, address)) return 0;
    if (registry.deviceCount > 0 && registry.ContainsAddress(address)) return 0;
    const size_t before = registry.devices.size();
    if (!ExchangeDiscover(registry, address)) return 0;
    auto appended = registry.devices.begin();
    std::advance(appended, static_cast<long>(before));
    for (; appended != registry.devices.end(); ++appended)
        CopyToField(appended->name, kDefaultDeviceName, std::strlen(kDefaultDeviceName));
    ++registry.deviceCount;
    return 1;
}
}  // namespace

std::vector<uint32_t> GetLocalBroadcastAddresses() {
    std::vector<uint32_t> addresses;
    char hostName[260] = {};
    if (::gethostname(hostName, sizeof hostName - 1) != 0) return addresses;
    const hostent* host = ::gethostbyname(hostName);
    if (!host || host->h_addrtype != AF_INET || !host->h_addr_list) return addresses;
    for (char** entry = host->h_addr_list; *entry && addresses.size() < kMaxBroadcastAddresses; ++entry) {
        uint8_t octets[4];
        std::memcpy(octets, *entry, 4);
        octets[3] = 255;
        uint32_t broadcast = 0;
        std::memcpy(&broadcast, octets, 4);
        addresses.push_back(broadcast);
    }
    return addresses;
}

int ScanForDevices(DeviceRegistry& registry) {
    registry.scanStartTime = std::time(nullptr);
    registry.devices.clear();
    registry.deviceCount = 0;

    for (uint32_t broadcast : GetLocalBroadcastAddresses()) ExchangeDiscover(registry, broadcast);
    if (registry.devices.empty()) ExchangeDiscover(registry, INADDR_BROADCAST);

    int result = 0;
    bool defaultNameFound = false;
    if (!registry.devices.empty()) {
        result = 1;
        for (DeviceEntry& entry : registry.devices) {
            if (entry.name[0] == '\0') NameFromReverseLookup(entry);
            if (CompareNoCase(entry.name, kDefaultDeviceName) == 0) defaultNameFound = true;
            ++registry.deviceCount;
        }
    }
    if (!defaultNameFound && ProbeDefaultName(registry)) result = 1;

    if (result == 1) {
        SortDevicesByName(registry.devices);
        RemoveDuplicateDevices(registry);
    }
    return result;
}
