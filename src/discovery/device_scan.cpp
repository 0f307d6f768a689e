#include "discovery/device_scan.h"
#include "common/text_compare.h"
#include "discovery/datagram.h"
#include "discovery/datagram_exchange.h"
#include "discovery/host_lookup.h"
#include <winsock2.h>
#include <algorithm>
#include <cstring>
#include <ctime>

namespace {
// One discover exchange with all the destinations at once; returns whether any magic datagram arrived.
bool ExchangeDiscover(DeviceRegistry& registry, const std::vector<uint32_t>& destinations, const EntrySink& sink) {
    const DiscoverRequestBytes request = BuildDiscoverRequest();
    uint8_t reply[kReplyBufferSize] = {};
    ReplyIntake intake(registry, kCommandDiscoverRequest, sink);
    const ExchangeCounts counts =
        ExchangeWithAll(destinations, kDiscoveryPort, request.data(), static_cast<int>(request.size()), reply,
                        sizeof reply, kExchangeMs, [&](const uint8_t* data, size_t length, uint32_t sender) {
                            intake.Take(data, length, sender);
                            return true;
                        });
    ScanReport& report = registry.scanReport;
    report.datagramsSent += counts.sent;
    report.repliesReceived += counts.received;
    report.repliesIgnored += intake.Ignored();
    return counts.received > 0;
}

// Asks the factory-named appliance directly, for networks where broadcasts do not reach it.
int ProbeDefaultName(DeviceRegistry& registry, const EntrySink& sink) {
    uint32_t address = 0;
    if (!ResolveFirstIPv4(kDefaultDeviceName, address)) return 0;
    if (registry.deviceCount > 0 && registry.ContainsAddress(address)) return 0;
    const size_t before = registry.devices.size();
    if (!ExchangeDiscover(registry, {address}, sink)) return 0;
    auto appended = registry.devices.begin();
    std::advance(appended, static_cast<long>(before));
    for (; appended != registry.devices.end(); ++appended)
        CopyToField(appended->name, kDefaultDeviceName, std::strlen(kDefaultDeviceName));
    ++registry.deviceCount;
    return 1;
}
}  // namespace

std::vector<uint32_t> GetLocalAddresses() {
    std::vector<uint32_t> addresses;
    char hostName[260] = {};
    if (::gethostname(hostName, sizeof hostName - 1) != 0) return addresses;
    const hostent* host = ::gethostbyname(hostName);
    if (!host || host->h_addrtype != AF_INET || !host->h_addr_list) return addresses;
    for (char** entry = host->h_addr_list; *entry && addresses.size() < kMaxBroadcastAddresses; ++entry) {
        uint32_t address = 0;
        std::memcpy(&address, *entry, 4);
        addresses.push_back(address);
    }
    return addresses;
}

std::vector<uint32_t> GetLocalBroadcastAddresses() {
    std::vector<uint32_t> broadcasts;
    for (uint32_t address : GetLocalAddresses()) broadcasts.push_back(SubnetBroadcastOf(address));
    return broadcasts;
}

int ScanForDevices(DeviceRegistry& registry, const ScanOptions& options) {
    registry.scanStartTime = std::time(nullptr);
    registry.devices.clear();
    registry.deviceCount = 0;
    ScanReport& report = registry.scanReport;
    report = ScanReport{};

    report.localAddresses = GetLocalAddresses();
    for (uint32_t address : report.localAddresses) report.broadcastAddresses.push_back(SubnetBroadcastOf(address));
    std::vector<uint32_t> destinations = report.broadcastAddresses;
    for (uint32_t direct : options.directAddresses) {
        if (std::find(destinations.begin(), destinations.end(), direct) != destinations.end()) continue;
        destinations.push_back(direct);
        report.directAddresses.push_back(direct);
    }
    ExchangeDiscover(registry, destinations, options.onEntry);
    if (registry.devices.empty()) {
        report.limitedBroadcastTried = true;
        ExchangeDiscover(registry, {INADDR_BROADCAST}, options.onEntry);
    }

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
    if (!defaultNameFound && ProbeDefaultName(registry, options.onEntry)) result = 1;

    if (result == 1) {
        SortDevicesByName(registry.devices);
        RemoveDuplicateDevices(registry);
    }
    return result;
}
