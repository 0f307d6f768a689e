// An appliance's MAC address: the last six bytes of a discover reply's device data.
#pragma once
#include "discovery/device_entry.h"
#include <array>
#include <cstdint>
#include <optional>
#include <string>

using MacAddress = std::array<uint8_t, 6>;

MacAddress MacOf(const DeviceEntry& entry);

// "%02X-%02X-%02X-%02X-%02X-%02X".
std::string FormatMacText(const MacAddress& mac);

// Exactly the form FormatMacText writes (either letter case).
std::optional<MacAddress> ParseMacText(const std::string& text);
