// What one scan tried and what came back: the not-found page explains itself with it.
#pragma once
#include <cstdint>
#include <vector>

struct ScanReport {
    std::vector<uint32_t> broadcastAddresses;  // subnet broadcasts sent, network order
    bool limitedBroadcastTried = false;
    std::vector<uint32_t> directAddresses;     // remembered and added appliances asked by unicast
    int datagramsSent = 0;
    int repliesReceived = 0;                   // datagrams carrying the protocol's magic
    int repliesIgnored = 0;                    // appliances beyond the bound of one exchange
};
