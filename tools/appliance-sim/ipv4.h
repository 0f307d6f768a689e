#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace appliance_sim {

// Addresses are kept in host byte order throughout the simulator.
std::optional<std::uint32_t> parse_ipv4(const std::string& text);
std::string format_ipv4(std::uint32_t address);

constexpr std::uint32_t kLimitedBroadcast = 0xFFFFFFFFu;

}  // namespace appliance_sim
