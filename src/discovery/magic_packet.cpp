#include "discovery/magic_packet.h"
#include <algorithm>

MagicPacket BuildMagicPacket(const MacAddress& mac) {
    MagicPacket packet{};
    std::fill(packet.begin(), packet.begin() + 6, uint8_t(0xFF));
    for (size_t at = 6; at < packet.size(); at += mac.size()) std::copy(mac.begin(), mac.end(), packet.begin() + at);
    return packet;
}
