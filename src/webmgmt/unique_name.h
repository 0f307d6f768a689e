// The name that makes an appliance unique on the network: "Harborbox-" and the last two MAC bytes.
#pragma once
#include "discovery/device_entry.h"
#include <string>

std::string UniqueDeviceName(const DeviceEntry& entry);
