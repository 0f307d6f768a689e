#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "appliance.h"

namespace appliance_sim {

enum class RequestKind { discover, query };

constexpr std::uint16_t kDiscoverRequestCommand = 1;
constexpr std::uint16_t kQueryRequestCommand = 3;
constexpr std::size_t kLongNameLength = 200;
constexpr std::size_t kShortDiscoverReplyLength = 14;  // ends before the flags
constexpr std::size_t kShortQueryReplyLength = 10;     // ends before the port

// A request is accepted only when it is well formed: magic, a known command,
// a payload length matching the datagram and the "ENDP" trailer.
std::optional<RequestKind> parse_request(const std::uint8_t* data, std::size_t length);

// The command word of any datagram, or -1 when it is too short to carry one.
int command_of(const std::uint8_t* data, std::size_t length);

// The MAC a Wake-on-LAN magic packet names: six 0xFF bytes, then the MAC sixteen times (anything
// after, such as a password, is not read); nothing for any other datagram.
std::optional<std::array<std::uint8_t, 6>> parse_magic_packet(const std::uint8_t* data, std::size_t length);

// Replies as the appliance sends them, shaped by `fault` where the fault
// changes the bytes (faults that change timing or count are not applied here).
std::vector<std::uint8_t> build_discover_reply(const DeviceState& device, Fault fault);
std::vector<std::uint8_t> build_query_reply(const DeviceState& device, Fault fault);

}  // namespace appliance_sim
