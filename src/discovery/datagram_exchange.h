// Request/reply exchanges on the discovery port.
#pragma once
#include "discovery/device_registry.h"
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

constexpr unsigned kExchangeMs = 1000;

// Gets every datagram read, magic or not, with its sender (network order); returns false once the
// caller has what it waited for, which ends the exchange early.
using DatagramHandler = std::function<bool(const uint8_t* data, size_t length, uint32_t sender)>;

struct ExchangeCounts {
    int sent = 0;      // destinations the request went out to
    int received = 0;  // datagrams carrying the protocol's magic
};

// Sends the request once to each destination from one socket (broadcast allowed), then reads every
// datagram arriving within `listenMs`, so any number of subnets costs one exchange's time. Nothing is
// listened for when no send succeeded. Destinations are IPv4 addresses in network order.
ExchangeCounts ExchangeWithAll(const std::vector<uint32_t>& destinations, uint16_t port, const uint8_t* request,
                               int requestLength, uint8_t* reply, int replySize, unsigned listenMs,
                               const DatagramHandler& onDatagram);

// One destination, about one second, each reply applied to the registry. Returns 1 when any datagram
// with the protocol's magic arrived, else 0.
int ExchangeDatagram(DeviceRegistry& registry, uint32_t destination, uint16_t port, const uint8_t* request,
                     int requestLength, uint8_t* reply, int replySize);

// Asks one appliance for its web port and language flag; updates its existing entry.
void QueryDevice(DeviceRegistry& registry, uint32_t address);
