#include "discovery/mac_address.h"
#include <cstdio>

MacAddress MacOf(const DeviceEntry& entry) {
    MacAddress mac;
    for (size_t i = 0; i < mac.size(); ++i) mac[i] = entry.deviceData[2 + i];
    return mac;
}

std::string FormatMacText(const MacAddress& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

namespace {
int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

std::optional<MacAddress> ParseMacText(const std::string& text) {
    MacAddress mac;
    if (text.size() != 17) return std::nullopt;
    for (size_t i = 0; i < mac.size(); ++i) {
        const int high = HexDigit(text[i * 3]);
        const int low = HexDigit(text[i * 3 + 1]);
        if (high < 0 || low < 0 || (i < 5 && text[i * 3 + 2] != '-')) return std::nullopt;
        mac[i] = uint8_t(high << 4 | low);
    }
    return mac;
}
