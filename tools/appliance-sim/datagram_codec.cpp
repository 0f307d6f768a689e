#include "datagram_codec.h"

#include <cstring>
#include <string>

namespace appliance_sim {
namespace {

constexpr std::size_t kHeaderLength = 8;
constexpr char kMagic[] = "QXNS";
constexpr char kBadMagic[] = "QXNT";
constexpr char kTrailer[] = "ENDP";
constexpr std::uint16_t kDiscoverReplyCommand = 2;
constexpr std::uint16_t kQueryReplyCommand = 4;
constexpr std::uint8_t kBadDiscoverReplyCode = 5;
constexpr std::uint16_t kBadQueryReplyCode = 6;
constexpr std::uint32_t kAttr7Flag = 0x40000000;
constexpr std::uint8_t kAttributeStateSet = 1;
constexpr std::size_t kQueryReplyLength = 16;

std::vector<std::uint8_t> header(Fault fault, std::uint16_t command) {
    std::vector<std::uint8_t> bytes(kHeaderLength, 0);
    std::memcpy(bytes.data(), fault == Fault::bad_magic ? kBadMagic : kMagic, 4);
    bytes[6] = static_cast<std::uint8_t>(command & 0xFF);
    bytes[7] = static_cast<std::uint8_t>(command >> 8);
    return bytes;
}

// The length field counts what follows the header, as sent.
void seal_payload_length(std::vector<std::uint8_t>& bytes) {
    const std::size_t payload = bytes.size() - kHeaderLength;
    bytes[4] = static_cast<std::uint8_t>(payload >> 8);
    bytes[5] = static_cast<std::uint8_t>(payload & 0xFF);
}

void append_le32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::string long_name_from(const std::string& name) {
    std::string longer = name.substr(0, kLongNameLength);
    longer.resize(kLongNameLength, 'x');
    return longer;
}

}  // namespace

int command_of(const std::uint8_t* data, std::size_t length) {
    if (length < kHeaderLength) return -1;
    return data[6] | (data[7] << 8);
}

std::optional<RequestKind> parse_request(const std::uint8_t* data, std::size_t length) {
    if (length < kHeaderLength || std::memcmp(data, kMagic, 4) != 0) return std::nullopt;
    const std::size_t payload = static_cast<std::size_t>((data[4] << 8) | data[5]);
    if (length != kHeaderLength + payload + 4 || std::memcmp(data + length - 4, kTrailer, 4) != 0)
        return std::nullopt;
    const int command = command_of(data, length);
    if (command == kDiscoverRequestCommand && payload == 0) return RequestKind::discover;
    if (command == kQueryRequestCommand && payload == 4) return RequestKind::query;
    return std::nullopt;
}

std::optional<std::array<std::uint8_t, 6>> parse_magic_packet(const std::uint8_t* data, std::size_t length) {
    constexpr std::size_t kSync = 6, kRepeats = 16;
    if (length < kSync + 6 * kRepeats) return std::nullopt;
    for (std::size_t i = 0; i < kSync; ++i)
        if (data[i] != 0xFF) return std::nullopt;
    std::array<std::uint8_t, 6> mac{};
    std::memcpy(mac.data(), data + kSync, 6);
    for (std::size_t repeat = 1; repeat < kRepeats; ++repeat)
        if (std::memcmp(data + kSync + 6 * repeat, mac.data(), 6) != 0) return std::nullopt;
    return mac;
}

std::vector<std::uint8_t> build_discover_reply(const DeviceState& device, Fault fault) {
    std::vector<std::uint8_t> bytes = header(fault, kDiscoverReplyCommand);
    if (fault == Fault::bad_code) bytes[6] = kBadDiscoverReplyCode;
    bytes.push_back(0);  // device data bytes 8 and 9: not interpreted by clients
    bytes.push_back(0);
    bytes.insert(bytes.end(), device.mac.begin(), device.mac.end());
    append_le32(bytes, fault == Fault::no_flags ? kAttr7Flag : device.flags);
    const std::string name = fault == Fault::long_name ? long_name_from(device.name) : device.name;
    bytes.insert(bytes.end(), name.begin(), name.end());
    if (fault != Fault::unterminated_name) bytes.push_back(0);
    seal_payload_length(bytes);
    if (fault == Fault::short_reply) bytes.resize(kShortDiscoverReplyLength);
    return bytes;
}

std::vector<std::uint8_t> build_query_reply(const DeviceState& device, Fault fault) {
    std::vector<std::uint8_t> bytes = header(fault, fault == Fault::bad_code ? kBadQueryReplyCode : kQueryReplyCommand);
    bytes.push_back(device.query_attribute);
    bytes.push_back(kAttributeStateSet);
    bytes.push_back(static_cast<std::uint8_t>(device.web_port >> 8));
    bytes.push_back(static_cast<std::uint8_t>(device.web_port & 0xFF));
    bytes.push_back(device.language_set ? 1 : 0);
    bytes.resize(kQueryReplyLength, 0);
    seal_payload_length(bytes);
    if (fault == Fault::short_reply) bytes.resize(kShortQueryReplyLength);
    return bytes;
}

}  // namespace appliance_sim
