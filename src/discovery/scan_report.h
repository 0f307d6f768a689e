// What one scan tried and what came back: the not-found page explains itself with it.
#pragma once
#include <cstdint>
#include <vector>

// No local address means no network connection.
struct ScanReport {
    std::vector<uint32_t> localAddresses;      // this computer's, one per adapter, network order
    std::vector<uint32_t> broadcastAddresses;  // the subnet broadcasts sent, one per local address
    bool limitedBroadcastTried = false;
    std::vector<uint32_t> directAddresses;     // remembered and added appliances asked by unicast
    int datagramsSent = 0;
    int repliesReceived = 0;                   // datagrams carrying the protocol's magic
    int repliesIgnored = 0;                    // appliances beyond the bound of one exchange
};
