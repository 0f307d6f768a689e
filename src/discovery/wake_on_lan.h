// Sends the Wake-on-LAN magic packet for a remembered appliance.
#pragma once
#include "discovery/magic_packet.h"
#include <cstdint>

// To the broadcast address of the subnet the appliance was last seen on (its last address with the
// last octet 255), UDP port 9. False when the packet could not be sent.
bool SendWakeOnLan(const MacAddress& mac, uint32_t lastAddress);
