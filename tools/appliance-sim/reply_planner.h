#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <random>
#include <unordered_map>
#include <vector>

#include "appliance.h"
#include "datagram_codec.h"

namespace appliance_sim {

enum class TargetKind { unicast, subnet_broadcast, limited_broadcast };

struct RequestTarget {
    TargetKind kind;
    std::uint32_t address;  // the request's destination address
};

// `header_destination` is the destination of the IP header, `local_address`
// the local address the kernel picked for the datagram (IP_PKTINFO's
// ipi_spec_dst). The kernel delivers only datagrams addressed to a local
// address or to a broadcast address; for the former both are the same.
RequestTarget classify_target(std::uint32_t header_destination, std::uint32_t local_address);

struct PlannedReply {
    std::uint32_t source;  // the answering appliance's address
    std::chrono::milliseconds delay;
    std::vector<std::uint8_t> bytes;
};

// Decides who answers a request, when, and with which bytes. Broadcasts are
// answered by every appliance whose answer_to allows it, whatever its subnet;
// a datagram sent to one address only by the appliance with that address.
// Queries are answered only when sent to the appliance's own address.
class ReplyPlanner {
public:
    ReplyPlanner(const std::deque<Appliance>& appliances, int reply_spread_ms, std::uint32_t seed);

    std::vector<PlannedReply> plan(RequestKind kind, const RequestTarget& target);

private:
    void plan_one(const Appliance& appliance, RequestKind kind, std::vector<PlannedReply>& replies);
    void plan_crowd(const Appliance& appliance, const DeviceState& device, std::vector<PlannedReply>& replies);
    std::chrono::milliseconds delay_for(const Appliance& appliance);

    const std::deque<Appliance>& appliances_;
    std::unordered_map<std::uint32_t, const Appliance*> by_address_;
    std::uniform_int_distribution<int> spread_;
    std::mt19937 random_;
};

}  // namespace appliance_sim
