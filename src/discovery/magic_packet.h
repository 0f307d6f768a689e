// Wake-on-LAN: the magic packet that wakes a sleeping appliance by its MAC address.
#pragma once
#include "discovery/mac_address.h"
#include <array>
#include <cstdint>

constexpr uint16_t kWakeOnLanPort = 9;

using MagicPacket = std::array<uint8_t, 102>;

// Six 0xFF bytes, then the MAC sixteen times.
MagicPacket BuildMagicPacket(const MacAddress& mac);
