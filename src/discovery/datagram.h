// The appliance discovery protocol on UDP 15582: request bytes and the reading of replies.
// Every read is bounded by the received length; a reply too short for a field it needs is ignored.
#pragma once
#include "discovery/device_entry.h"
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

constexpr uint16_t kDiscoveryPort = 15582;
constexpr uint32_t kCapabilityAttr7 = 0x40000000;
constexpr uint32_t kCapabilityPortService = 0x00020000;
constexpr size_t kReplyBufferSize = 1024;

constexpr uint16_t kCommandDiscoverRequest = 1;
constexpr uint16_t kCommandDiscoverReply = 2;
constexpr uint16_t kCommandQueryRequest = 3;
constexpr uint16_t kCommandQueryReply = 4;

using DiscoverRequestBytes = std::array<uint8_t, 12>;
using QueryRequestBytes = std::array<uint8_t, 16>;

DiscoverRequestBytes BuildDiscoverRequest();
QueryRequestBytes BuildQueryRequest();

// The command of a request we built (little-endian at offset 6); 0 when too short.
uint16_t RequestCommand(const uint8_t* request, size_t length);

bool HasDiscoveryMagic(const uint8_t* data, size_t length);

// An acceptable discover reply becomes a new entry; the sender address is in network order.
std::optional<DeviceEntry> DecodeDiscoverReply(const uint8_t* data, size_t length, uint32_t senderAddress);

// Applies a query reply to the entry of its sender; false when it is not a usable query reply.
bool ApplyQueryReply(const uint8_t* data, size_t length, DeviceEntry& entry);

// Dotted decimal text of a network-order address, first octet first.
std::string FormatIpText(uint32_t addressNetworkOrder);

// Four decimal numbers 0..255 separated by full stops, nothing else; network order.
std::optional<uint32_t> ParseIpText(const std::string& text);

// a.b.c.255 of a.b.c.d, whatever the real mask (network order in and out).
uint32_t SubnetBroadcastOf(uint32_t addressNetworkOrder);

// Copies text into a fixed field, cut to fit, always terminated.
template <size_t N>
void CopyToField(char (&field)[N], const char* text, size_t length) {
    size_t n = length < N - 1 ? length : N - 1;
    for (size_t i = 0; i < n; ++i) field[i] = text[i];
    field[n] = '\0';
}
