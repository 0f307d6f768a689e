#include "discovery/datagram.h"
#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include <vector>

namespace {
std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> out;
    for (int v : values) out.push_back(uint8_t(v));
    return out;
}

// 10.77.0.2 in network order, as the socket layer hands it over.
uint32_t Address(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    const uint8_t octets[4] = {a, b, c, d};
    uint32_t value;
    std::memcpy(&value, octets, 4);
    return value;
}

std::vector<uint8_t> DiscoverReply(uint32_t flags, const std::string& name, int code = 2) {
    std::vector<uint8_t> reply = Bytes({'Q', 'X', 'N', 'S', 0, 0, code, 0, 0xAA, 0xBB, 0x00, 0x11, 0x32, 0x12, 0x34, 0x56});
    for (int i = 0; i < 4; ++i) reply.push_back(uint8_t(flags >> (8 * i)));
    reply.insert(reply.end(), name.begin(), name.end());
    reply.push_back(0);
    return reply;
}

std::vector<uint8_t> QueryReply(int attribute, int state, int portHigh, int portLow, int status, int code = 4) {
    return Bytes({'Q', 'X', 'N', 'S', 0, 8, code, 0, attribute, state, portHigh, portLow, status, 0, 0, 0});
}

const uint32_t kBothFlags = kCapabilityAttr7 | kCapabilityPortService;
}  // namespace

TEST(DiscoveryRequests, AreByteExactWithMixedByteOrder) {
    const DiscoverRequestBytes discover = BuildDiscoverRequest();
    EXPECT_EQ(std::vector<uint8_t>(discover.begin(), discover.end()),
              Bytes({'Q', 'X', 'N', 'S', 0x00, 0x00, 0x01, 0x00, 'E', 'N', 'D', 'P'}));
    const QueryRequestBytes query = BuildQueryRequest();
    EXPECT_EQ(std::vector<uint8_t>(query.begin(), query.end()),
              Bytes({'Q', 'X', 'N', 'S', 0x00, 0x04, 0x03, 0x00, 0x00, 0x00, 0x02, 0x00, 'E', 'N', 'D', 'P'}));
    EXPECT_EQ(RequestCommand(discover.data(), discover.size()), kCommandDiscoverRequest);
    EXPECT_EQ(RequestCommand(query.data(), query.size()), kCommandQueryRequest);
}

TEST(DiscoverReplyDecoding, AcceptsAReplyWithBothFlagsAndFillsTheEntry) {
    const auto reply = DiscoverReply(kBothFlags | 0x1, "Harborbox-Media");
    const auto entry = DecodeDiscoverReply(reply.data(), reply.size(), Address(10, 77, 0, 2));
    ASSERT_TRUE(entry);
    EXPECT_STREQ(entry->name, "Harborbox-Media");
    EXPECT_STREQ(entry->ipText, "10.77.0.2");
    EXPECT_EQ(entry->ipAddress, Address(10, 77, 0, 2));
    EXPECT_EQ(entry->deviceFlags, kBothFlags | 0x1);
    EXPECT_EQ(entry->capabilityFlags, entry->deviceFlags);
    EXPECT_EQ(entry->webPort, 0);
    EXPECT_EQ(entry->languageSet, 0);
    const uint8_t data[8] = {0xAA, 0xBB, 0x00, 0x11, 0x32, 0x12, 0x34, 0x56};
    EXPECT_EQ(std::memcmp(entry->deviceData, data, 8), 0);
}

TEST(DiscoverReplyDecoding, RejectsWrongMagicCodeOrMissingFlags) {
    auto reply = DiscoverReply(kBothFlags, "x");
    reply[3] = 'T';
    EXPECT_FALSE(DecodeDiscoverReply(reply.data(), reply.size(), 0));
    const auto wrongCode = DiscoverReply(kBothFlags, "x", 4);
    EXPECT_FALSE(DecodeDiscoverReply(wrongCode.data(), wrongCode.size(), 0));
    const auto onlyAttr7 = DiscoverReply(kCapabilityAttr7, "x");
    EXPECT_FALSE(DecodeDiscoverReply(onlyAttr7.data(), onlyAttr7.size(), 0));
    const auto onlyPort = DiscoverReply(kCapabilityPortService, "x");
    EXPECT_FALSE(DecodeDiscoverReply(onlyPort.data(), onlyPort.size(), 0));
    // Only byte 6 is the reply code; byte 7 is not read.
    auto byte7 = DiscoverReply(kBothFlags, "x");
    byte7[7] = 0x55;
    EXPECT_TRUE(DecodeDiscoverReply(byte7.data(), byte7.size(), 0));
}

TEST(DiscoverReplyDecoding, NeverReadsPastTheDatagram) {
    const auto reply = DiscoverReply(kBothFlags, "Harborbox");
    for (size_t length = 0; length < 20; ++length) {
        // Heap copies of exactly `length` bytes let the address sanitizer catch any over-read.
        std::vector<uint8_t> cut(reply.begin(), reply.begin() + long(length));
        EXPECT_FALSE(DecodeDiscoverReply(cut.data(), cut.size(), 0)) << length;
    }
    std::vector<uint8_t> noName(reply.begin(), reply.begin() + 20);
    auto entry = DecodeDiscoverReply(noName.data(), noName.size(), 0);
    ASSERT_TRUE(entry);
    EXPECT_STREQ(entry->name, "");

    std::vector<uint8_t> unterminated(reply.begin(), reply.begin() + 24);  // "Harb", no terminator
    entry = DecodeDiscoverReply(unterminated.data(), unterminated.size(), 0);
    ASSERT_TRUE(entry);
    EXPECT_STREQ(entry->name, "Harb");
}

TEST(DiscoverReplyDecoding, CutsLongNamesTo63Bytes) {
    const std::string longName(200, 'N');
    auto reply = DiscoverReply(kBothFlags, longName);
    auto entry = DecodeDiscoverReply(reply.data(), reply.size(), 0);
    ASSERT_TRUE(entry);
    EXPECT_EQ(std::string(entry->name), std::string(63, 'N'));
    reply.pop_back();  // and without a terminator
    entry = DecodeDiscoverReply(reply.data(), reply.size(), 0);
    ASSERT_TRUE(entry);
    EXPECT_EQ(std::strlen(entry->name), 63u);
}

TEST(QueryReplyApplying, PortAttributeSetsPortFlagAndLanguage) {
    DeviceEntry entry{};
    const auto reply = QueryReply(10, 1, 0x1F, 0x98, 0x01);
    ASSERT_TRUE(ApplyQueryReply(reply.data(), reply.size(), entry));
    EXPECT_EQ(entry.webPort, 8088);
    EXPECT_EQ(entry.capabilityFlags, kCapabilityPortService);
    EXPECT_EQ(entry.languageSet, 1);
}

TEST(QueryReplyApplying, AttributeSevenAndOtherAttributes) {
    DeviceEntry entry{};
    auto reply = QueryReply(7, 1, 0x1F, 0x98, 0xFE);
    ASSERT_TRUE(ApplyQueryReply(reply.data(), reply.size(), entry));
    EXPECT_EQ(entry.capabilityFlags, kCapabilityAttr7);
    EXPECT_EQ(entry.webPort, 0);
    EXPECT_EQ(entry.languageSet, 0);  // only bit 0 counts

    DeviceEntry other{};
    reply = QueryReply(5, 1, 0x1F, 0x98, 0x01);
    ASSERT_TRUE(ApplyQueryReply(reply.data(), reply.size(), other));
    EXPECT_EQ(other.capabilityFlags, 0u);
    EXPECT_EQ(other.languageSet, 1);

    DeviceEntry stateOff{};
    reply = QueryReply(10, 0, 0x1F, 0x98, 0x00);
    ASSERT_TRUE(ApplyQueryReply(reply.data(), reply.size(), stateOff));
    EXPECT_EQ(stateOff.webPort, 0);
    EXPECT_EQ(stateOff.capabilityFlags, 0u);
}

TEST(QueryReplyApplying, IgnoresWrongCodeAndShortReplies) {
    DeviceEntry entry{};
    auto reply = QueryReply(10, 1, 0x1F, 0x98, 1, 2);
    EXPECT_FALSE(ApplyQueryReply(reply.data(), reply.size(), entry));
    reply = QueryReply(10, 1, 0x1F, 0x98, 1);
    reply[7] = 1;  // both code bytes are tested
    EXPECT_FALSE(ApplyQueryReply(reply.data(), reply.size(), entry));
    reply = QueryReply(10, 1, 0x1F, 0x98, 1);
    std::vector<uint8_t> cut(reply.begin(), reply.begin() + 12);
    EXPECT_FALSE(ApplyQueryReply(cut.data(), cut.size(), entry));
    EXPECT_EQ(entry.webPort, 0);
}

TEST(IpText, IsDottedDecimalFirstOctetFirst) {
    EXPECT_EQ(FormatIpText(Address(10, 77, 0, 255)), "10.77.0.255");
    EXPECT_EQ(FormatIpText(Address(192, 168, 100, 7)), "192.168.100.7");
}

TEST(IpText, ParsesOnlyFourDecimalOctets) {
    const struct {
        const char* text;
        bool valid;
    } cases[] = {{"10.77.0.2", true},  {"255.255.255.255", true}, {"0.0.0.0", true},   {"10.77.0.256", false},
                 {"10.77.0", false},   {"10.77.0.2.5", false},    {"10.77.0.2 ", false}, {"1a.77.0.2", false},
                 {"10..0.2", false},   {"0010.77.0.2", false},    {"", false},           {"-1.77.0.2", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto parsed = ParseIpText(c.text);
        ASSERT_EQ(parsed.has_value(), c.valid);
        if (c.valid) EXPECT_EQ(FormatIpText(*parsed), c.text);
    }
    EXPECT_EQ(SubnetBroadcastOf(Address(10, 79, 0, 2)), Address(10, 79, 0, 255));
}
