// How an operation addresses a listed appliance: by name only while that name is a host name and leads
// to this appliance alone.
#pragma once
#include "discovery/device_registry.h"
#include <string>

// The entry's name, or its IP text when the name is no host name or another listed appliance (another
// address) carries it too, ignoring case.
std::string DeviceAddressName(const DeviceRegistry& registry, const DeviceEntry& entry);
