#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appliance-sim/datagram_codec.h"

namespace appliance_sim {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytes_of(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

DeviceState harborbox() {
    DeviceState device;
    device.name = "QX-Harborbox";
    device.mac = {0x00, 0x11, 0x32, 0xAA, 0x34, 0x56};
    device.flags = 0x40020000;
    device.language_set = true;
    device.web_port = 8088;
    device.query_attribute = 10;
    return device;
}

const Bytes kDiscoverRequest = concat({bytes_of("QXNS"), {0x00, 0x00, 0x01, 0x00}, bytes_of("ENDP")});
const Bytes kQueryRequest =
    concat({bytes_of("QXNS"), {0x00, 0x04, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00}, bytes_of("ENDP")});

std::optional<RequestKind> parse(const Bytes& request) { return parse_request(request.data(), request.size()); }

TEST(DatagramRequests, AcceptsTheTwoRequestsTheProgramSends) {
    EXPECT_EQ(parse(kDiscoverRequest), RequestKind::discover);
    EXPECT_EQ(parse(kQueryRequest), RequestKind::query);
}

TEST(DatagramRequests, IgnoresMalformedRequests) {
    auto changed = [](Bytes bytes, std::size_t at, std::uint8_t value) {
        bytes[at] = value;
        return bytes;
    };
    const std::vector<std::pair<const char*, Bytes>> malformed = {
        {"empty", {}},
        {"header only", Bytes(kDiscoverRequest.begin(), kDiscoverRequest.begin() + 8)},
        {"wrong magic", changed(kDiscoverRequest, 3, 'T')},
        {"reply command", changed(kDiscoverRequest, 6, 2)},
        {"command in big-endian order", changed(changed(kDiscoverRequest, 6, 0), 7, 1)},
        {"unknown command", changed(kDiscoverRequest, 6, 9)},
        {"length field says 4", changed(kDiscoverRequest, 5, 4)},
        {"query with length 0", changed(kQueryRequest, 5, 0)},
        {"discover command with query payload", changed(kQueryRequest, 6, 1)},
        {"no trailer", changed(kDiscoverRequest, 11, 'Q')},
        {"trailing byte", concat({kDiscoverRequest, {0}})},
        {"query cut short", Bytes(kQueryRequest.begin(), kQueryRequest.end() - 1)},
    };
    for (const auto& [label, bytes] : malformed) EXPECT_FALSE(parse(bytes).has_value()) << label;
}

TEST(DatagramRequests, CommandOfAnyDatagramForTheLog) {
    EXPECT_EQ(command_of(kQueryRequest.data(), kQueryRequest.size()), 3);
    const Bytes big = {'X', 'X', 'X', 'X', 0, 0, 0x34, 0x12};
    EXPECT_EQ(command_of(big.data(), big.size()), 0x1234);
    EXPECT_EQ(command_of(big.data(), 7), -1);
}

const Bytes kGoodDiscoverReply = concat({
    bytes_of("QXNS"),
    {0x00, 0x19},                          // 25 bytes after the header
    {0x02, 0x00},                          // reply code 2
    {0x00, 0x00, 0x00, 0x11, 0x32, 0xAA, 0x34, 0x56},  // device data with the MAC
    {0x00, 0x00, 0x02, 0x40},              // flags 0x40020000, little-endian
    bytes_of("QX-Harborbox"), {0x00},
});

TEST(DiscoverReply, WellBehavedBytes) {
    EXPECT_EQ(build_discover_reply(harborbox(), Fault::none), kGoodDiscoverReply);
}

TEST(DiscoverReply, EmptyNameIsJustTheTerminator) {
    DeviceState device = harborbox();
    device.name.clear();
    const Bytes reply = build_discover_reply(device, Fault::none);
    ASSERT_EQ(reply.size(), 21u);
    EXPECT_EQ(reply[5], 13);
    EXPECT_EQ(reply[20], 0);
}

TEST(DiscoverReply, ByteFaultsChangeOnlyTheirField) {
    Bytes expected = kGoodDiscoverReply;
    expected[3] = 'T';
    EXPECT_EQ(build_discover_reply(harborbox(), Fault::bad_magic), expected);

    expected = kGoodDiscoverReply;
    expected[6] = 5;
    EXPECT_EQ(build_discover_reply(harborbox(), Fault::bad_code), expected);

    expected = kGoodDiscoverReply;
    expected[18] = 0x00;  // 0x40000000 only
    EXPECT_EQ(build_discover_reply(harborbox(), Fault::no_flags), expected);

    EXPECT_EQ(build_discover_reply(harborbox(), Fault::short_reply),
              Bytes(kGoodDiscoverReply.begin(), kGoodDiscoverReply.begin() + 14));
}

TEST(DiscoverReply, UnterminatedNameEndsTheDatagram) {
    const Bytes reply = build_discover_reply(harborbox(), Fault::unterminated_name);
    Bytes expected(kGoodDiscoverReply.begin(), kGoodDiscoverReply.end() - 1);
    expected[5] = 24;
    EXPECT_EQ(reply, expected);
}

TEST(DiscoverReply, LongNameIs200BytesStartingWithTheName) {
    const Bytes reply = build_discover_reply(harborbox(), Fault::long_name);
    ASSERT_EQ(reply.size(), 20u + 200u + 1u);
    EXPECT_EQ((reply[4] << 8) | reply[5], 213);
    const std::string name(reply.begin() + 20, reply.end() - 1);
    EXPECT_EQ(name, "QX-Harborbox" + std::string(188, 'x'));
    EXPECT_EQ(reply.back(), 0);
}

TEST(DiscoverReply, TimingFaultsLeaveTheBytesAlone) {
    for (Fault fault : {Fault::silent, Fault::flood, Fault::delay})
        EXPECT_EQ(build_discover_reply(harborbox(), fault), kGoodDiscoverReply);
}

const Bytes kGoodQueryReply = concat({
    bytes_of("QXNS"),
    {0x00, 0x08},  // 8 bytes after the header
    {0x04, 0x00},  // reply code 4, little-endian
    {0x0A, 0x01},  // attribute 10, state 1
    {0x1F, 0x98},  // port 8088, big-endian
    {0x01},        // language set
    {0x00, 0x00, 0x00},
});

TEST(QueryReply, WellBehavedBytes) {
    EXPECT_EQ(build_query_reply(harborbox(), Fault::none), kGoodQueryReply);
}

TEST(QueryReply, CarriesAttributeAndLanguageFlag) {
    DeviceState device = harborbox();
    device.query_attribute = 7;
    device.language_set = false;
    device.web_port = 80;
    const Bytes reply = build_query_reply(device, Fault::none);
    EXPECT_EQ(reply[8], 7);
    EXPECT_EQ(reply[10], 0x00);
    EXPECT_EQ(reply[11], 0x50);
    EXPECT_EQ(reply[12], 0x00);
}

TEST(QueryReply, Faults) {
    Bytes expected = kGoodQueryReply;
    expected[3] = 'T';
    EXPECT_EQ(build_query_reply(harborbox(), Fault::bad_magic), expected);

    expected = kGoodQueryReply;
    expected[6] = 6;
    EXPECT_EQ(build_query_reply(harborbox(), Fault::bad_code), expected);

    EXPECT_EQ(build_query_reply(harborbox(), Fault::short_reply),
              Bytes(kGoodQueryReply.begin(), kGoodQueryReply.begin() + 10));

    for (Fault fault : {Fault::no_flags, Fault::unterminated_name, Fault::long_name, Fault::flood, Fault::delay})
        EXPECT_EQ(build_query_reply(harborbox(), fault), kGoodQueryReply);
}

}  // namespace
}  // namespace appliance_sim
