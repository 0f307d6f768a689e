#include "discovery/datagram.h"
#include <cstdio>
#include <cstring>

namespace {
constexpr char kMagic[4] = {'Q', 'X', 'N', 'S'};
constexpr char kTrailer[4] = {'E', 'N', 'D', 'P'};

constexpr size_t kReplyCodeOffset = 6;
constexpr size_t kDeviceDataOffset = 8;
constexpr size_t kFlagsOffset = 16;
constexpr size_t kNameOffset = 20;
constexpr size_t kQueryAttributeOffset = 8;
constexpr size_t kQueryStateOffset = 9;
constexpr size_t kQueryPortOffset = 10;
constexpr size_t kQueryStatusOffset = 12;

constexpr uint8_t kAttributeCapability = 7;
constexpr uint8_t kAttributePort = 10;

uint32_t ReadLittle32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

// Header: magic, payload length in network order, command in little-endian order.
void WriteHeader(uint8_t* out, uint16_t payloadLength, uint16_t command) {
    std::memcpy(out, kMagic, 4);
    out[4] = uint8_t(payloadLength >> 8);
    out[5] = uint8_t(payloadLength & 0xFF);
    out[6] = uint8_t(command & 0xFF);
    out[7] = uint8_t(command >> 8);
}
}  // namespace

DiscoverRequestBytes BuildDiscoverRequest() {
    DiscoverRequestBytes request{};
    WriteHeader(request.data(), 0, kCommandDiscoverRequest);
    std::memcpy(request.data() + 8, kTrailer, 4);
    return request;
}

QueryRequestBytes BuildQueryRequest() {
    QueryRequestBytes request{};
    WriteHeader(request.data(), 4, kCommandQueryRequest);
    const uint32_t payload = kCapabilityPortService;
    for (int i = 0; i < 4; ++i) request[8 + i] = uint8_t(payload >> (8 * i));
    std::memcpy(request.data() + 12, kTrailer, 4);
    return request;
}

uint16_t RequestCommand(const uint8_t* request, size_t length) {
    if (length < 8) return 0;
    return uint16_t(request[6] | request[7] << 8);
}

bool HasDiscoveryMagic(const uint8_t* data, size_t length) {
    return length >= 4 && std::memcmp(data, kMagic, 4) == 0;
}

std::optional<DeviceEntry> DecodeDiscoverReply(const uint8_t* data, size_t length, uint32_t senderAddress) {
    if (!HasDiscoveryMagic(data, length) || length < kNameOffset) return std::nullopt;
    if (data[kReplyCodeOffset] != kCommandDiscoverReply) return std::nullopt;

    DeviceEntry entry{};
    entry.deviceFlags = ReadLittle32(data + kFlagsOffset);
    const uint32_t required = kCapabilityAttr7 | kCapabilityPortService;
    if ((entry.deviceFlags & required) != required) return std::nullopt;

    // The name ends at its terminator or at the end of the datagram, whichever comes first.
    const char* name = reinterpret_cast<const char*>(data + kNameOffset);
    const size_t available = length - kNameOffset;
    const void* terminator = std::memchr(name, '\0', available);
    const size_t nameLength = terminator ? size_t(static_cast<const char*>(terminator) - name) : available;
    CopyToField(entry.name, name, nameLength);

    const std::string ipText = FormatIpText(senderAddress);
    CopyToField(entry.ipText, ipText.c_str(), ipText.size());
    entry.ipAddress = senderAddress;
    entry.capabilityFlags = entry.deviceFlags;
    std::memcpy(entry.deviceData, data + kDeviceDataOffset, sizeof entry.deviceData);
    return entry;
}

bool ApplyQueryReply(const uint8_t* data, size_t length, DeviceEntry& entry) {
    if (!HasDiscoveryMagic(data, length) || length <= kQueryStatusOffset) return false;
    if (RequestCommand(data, length) != kCommandQueryReply) return false;

    const uint8_t attribute = data[kQueryAttributeOffset];
    const bool attributeOn = data[kQueryStateOffset] == 1;
    if (attribute == kAttributeCapability && attributeOn) {
        entry.capabilityFlags |= kCapabilityAttr7;
    } else if (attribute == kAttributePort && attributeOn) {
        entry.capabilityFlags |= kCapabilityPortService;
        entry.webPort = uint16_t(data[kQueryPortOffset] << 8 | data[kQueryPortOffset + 1]);
    }
    entry.languageSet = data[kQueryStatusOffset] & 1;
    return true;
}

std::string FormatIpText(uint32_t addressNetworkOrder) {
    uint8_t octets[4];
    std::memcpy(octets, &addressNetworkOrder, 4);
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", octets[0], octets[1], octets[2], octets[3]);
    return text;
}

std::optional<uint32_t> ParseIpText(const std::string& text) {
    uint8_t octets[4];
    size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && (at >= text.size() || text[at++] != '.')) return std::nullopt;
        unsigned value = 0;
        size_t digits = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 3) {
            value = value * 10 + unsigned(text[at++] - '0');
            ++digits;
        }
        if (digits == 0 || value > 255) return std::nullopt;
        octets[i] = uint8_t(value);
    }
    if (at != text.size()) return std::nullopt;
    uint32_t address = 0;
    std::memcpy(&address, octets, 4);
    return address;
}

uint32_t SubnetBroadcastOf(uint32_t addressNetworkOrder) {
    uint8_t octets[4];
    std::memcpy(octets, &addressNetworkOrder, 4);
    octets[3] = 255;
    uint32_t broadcast = 0;
    std::memcpy(&broadcast, octets, 4);
    return broadcast;
}
