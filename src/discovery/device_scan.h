// The discovery scan: broadcasts on every local subnet, names, sorts and de-duplicates what answered.
#pragma once
#include "discovery/device_registry.h"
#include <cstdint>
#include <vector>

constexpr size_t kMaxBroadcastAddresses = 259;

// a.b.c.255 for each IPv4 address of this host's name, whatever the real mask; network order.
std::vector<uint32_t> GetLocalBroadcastAddresses();

// Returns 1 when at least one appliance answered. Refreshes the registry, not the list view.
int ScanForDevices(DeviceRegistry& registry);
