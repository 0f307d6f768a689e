// One request/reply exchange on the discovery port.
#pragma once
#include "discovery/device_registry.h"
#include <cstdint>

// Sends the request once and listens for about one second (ten 100 ms slots, reading every datagram
// waiting at each slot), applying each reply to the registry. Returns 1 when any datagram with the
// protocol's magic arrived, else 0. The destination is an IPv4 address in network order.
int ExchangeDatagram(DeviceRegistry& registry, uint32_t destination, uint16_t port, const uint8_t* request,
                     int requestLength, uint8_t* reply, int replySize);

// Asks one appliance for its web port and language flag; updates its existing entry.
void QueryDevice(DeviceRegistry& registry, uint32_t address);
