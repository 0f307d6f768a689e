// The discovery scan: broadcasts on every local subnet, names, sorts and de-duplicates what answered.
#pragma once
#include "discovery/device_registry.h"
#include "discovery/reply_intake.h"
#include <cstdint>
#include <vector>

constexpr size_t kMaxBroadcastAddresses = 259;

struct ScanOptions {
    // Remembered and added appliances, asked by unicast alongside the broadcasts (network order):
    // an appliance behind a router is found like the others.
    std::vector<uint32_t> directAddresses;
    // Each appliance as its reply is read, before naming, sorting and de-duplication; the registry
    // at the end is what counts.
    EntrySink onEntry;
};

// The IPv4 addresses of this host's name (one per adapter), network order.
std::vector<uint32_t> GetLocalAddresses();

// a.b.c.255 for each of the local addresses, whatever the real mask; network order.
std::vector<uint32_t> GetLocalBroadcastAddresses();

// Returns 1 when at least one appliance answered. Refreshes the registry (and its scan report),
// not the list view.
int ScanForDevices(DeviceRegistry& registry, const ScanOptions& options = {});
