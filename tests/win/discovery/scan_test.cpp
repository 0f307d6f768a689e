// Discovery against simulated appliances in the test bed; each suite runs in its own scenario
// (see scenarios.conf for the network and appliances each one gets).
#include "discovery/datagram.h"
#include "discovery/datagram_exchange.h"
#include "discovery/device_scan.h"
#include "test_bed.h"
#include <gtest/gtest.h>
#include <winsock2.h>
#include <algorithm>
#include <string>

namespace {
int ExchangeDiscoverWith(DeviceRegistry& registry, uint32_t destination) {
    const DiscoverRequestBytes request = BuildDiscoverRequest();
    uint8_t reply[kReplyBufferSize] = {};
    return ExchangeDatagram(registry, destination, kDiscoveryPort, request.data(), int(request.size()), reply,
                            int(sizeof reply));
}

std::vector<std::string> NamesOf(const DeviceRegistry& registry) {
    std::vector<std::string> names;
    for (const auto& d : registry.devices) names.push_back(d.name);
    return names;
}

std::vector<std::string> Sorted(const std::vector<uint32_t>& addresses) {
    std::vector<std::string> texts;
    for (uint32_t address : addresses) texts.push_back(FormatIpText(address));
    std::sort(texts.begin(), texts.end());
    return texts;
}

const uint32_t kSubnetBroadcast = testbed::Address("10.77.0.255");
}  // namespace

TEST(ExchangeSilent, NoAnswerReturnsZeroAfterAboutOneSecond) {
    DeviceRegistry registry;
    const uint64_t start = testbed::Now();
    EXPECT_EQ(ExchangeDiscoverWith(registry, kSubnetBroadcast), 0);
    const double seconds = testbed::SecondsSince(start);
    EXPECT_GE(seconds, 0.9);
    EXPECT_LE(seconds, 1.6);
    EXPECT_TRUE(registry.devices.empty());
}

TEST(ExchangeSilent, ScanFindsNothingAndTriesTheLimitedBroadcast) {
    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 0);
    EXPECT_EQ(registry.deviceCount, 0);
    EXPECT_TRUE(registry.devices.empty());
    EXPECT_EQ(testbed::SimLogCount("-> 255.255.255.255 cmd=1"), 1u);
    // What the not-found page tells: the adapter, its broadcast and the fallback, nothing back.
    const ScanReport& report = registry.scanReport;
    EXPECT_EQ(Sorted(report.localAddresses), std::vector<std::string>{"10.77.0.1"});
    EXPECT_EQ(Sorted(report.broadcastAddresses), std::vector<std::string>{"10.77.0.255"});
    EXPECT_TRUE(report.limitedBroadcastTried);
    EXPECT_EQ(report.datagramsSent, 2);
    EXPECT_EQ(report.repliesReceived, 0);
}

TEST(ExchangeNoFlags, ReplyWithoutBothFlagsCountsButAddsNothing) {
    DeviceRegistry registry;
    EXPECT_EQ(ExchangeDiscoverWith(registry, kSubnetBroadcast), 1);
    EXPECT_TRUE(registry.devices.empty());
}

TEST(ScanTwoSubnets, BroadcastsOnBothAndKeepsOneEntry) {
    const auto broadcasts = GetLocalBroadcastAddresses();
    ASSERT_EQ(broadcasts.size(), 2u);
    EXPECT_NE(std::find(broadcasts.begin(), broadcasts.end(), testbed::Address("10.77.0.255")), broadcasts.end());
    EXPECT_NE(std::find(broadcasts.begin(), broadcasts.end(), testbed::Address("10.78.0.255")), broadcasts.end());

    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 1);
    EXPECT_EQ(registry.deviceCount, 1);
    ASSERT_EQ(registry.devices.size(), 1u);
    EXPECT_STREQ(registry.devices.front().ipText, "10.77.0.2");
    EXPECT_EQ(testbed::SimLogCount("-> 10.77.0.255 cmd=1"), 1u);
    EXPECT_EQ(testbed::SimLogCount("-> 10.78.0.255 cmd=1"), 1u);
}

TEST(ScanLimitedBroadcast, FindsAnApplianceThatAnswersOnlyTheFallback) {
    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 1);
    EXPECT_EQ(registry.deviceCount, 1);
    EXPECT_EQ(NamesOf(registry), std::vector<std::string>{"Upstairs"});
}

TEST(ScanNaming, EmptyNamesTakeTheReverseNameOrTheAddress) {
    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 1);
    // Sorted: the address text before the host name.
    EXPECT_EQ(NamesOf(registry), (std::vector<std::string>{"10.77.0.3", "nas-upstairs"}));
    EXPECT_EQ(registry.deviceCount, 2);
}

TEST(ScanDefaultNameProbe, FindsTheFactoryNamedApplianceByItsName) {
    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 1);
    EXPECT_EQ(NamesOf(registry), std::vector<std::string>{"QX-Harborbox"});
    EXPECT_EQ(registry.deviceCount, 1);
    EXPECT_EQ(testbed::SimLogCount("-> 10.77.0.2 cmd=1"), 1u);
}

TEST(ScanDefaultNameSkip, SkipsTheProbeWhenTheAddressIsAlreadyListed) {
    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 1);
    EXPECT_EQ(NamesOf(registry), std::vector<std::string>{"Renamed"});
    EXPECT_EQ(testbed::SimLogCount("-> 10.77.0.2 cmd=1"), 0u);  // only the broadcast reached it
}

TEST(QueryDeviceReply, SetsPortAndLanguageOfTheKnownEntry) {
    DeviceRegistry registry;
    ASSERT_EQ(ScanForDevices(registry), 1);
    ASSERT_EQ(registry.devices.size(), 1u);
    EXPECT_EQ(registry.devices.front().webPort, 0);
    QueryDevice(registry, testbed::ApplianceAddress());
    EXPECT_EQ(registry.devices.front().webPort, 8088);
    EXPECT_EQ(registry.devices.front().languageSet, 1);
    EXPECT_EQ(registry.devices.front().capabilityFlags & kCapabilityPortService, kCapabilityPortService);
}

TEST(ScanFifty, FindsEveryApplianceOnTheSubnet) {
    DeviceRegistry registry;
    const uint64_t start = testbed::Now();
    EXPECT_EQ(ScanForDevices(registry), 1);
    EXPECT_EQ(registry.deviceCount, 50);
    EXPECT_LE(testbed::SecondsSince(start), 2.5);  // one broadcast; the factory name does not resolve here
}

TEST(ScanMalformed, OnlySoundRepliesBecomeEntries) {
    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 1);
    std::vector<std::string> names = NamesOf(registry);
    // Bad magic, bad code, missing flags, a datagram cut inside the flags and the late answer are ignored;
    // the flood collapses into one entry; names are bounded.
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], "Flood");
    EXPECT_EQ(names[1].size(), 63u);
    EXPECT_EQ(names[2], "QX-Harborbox");
    EXPECT_EQ(names[3].rfind("Unterm", 0), 0u);
    EXPECT_EQ(registry.deviceCount, 4);
}

TEST(ScanFourAdapters, EverySubnetIsAskedAtOnceAndEachApplianceListedOnce) {
    ASSERT_EQ(GetLocalBroadcastAddresses().size(), 4u);
    DeviceRegistry registry;
    const uint64_t start = testbed::Now();
    EXPECT_EQ(ScanForDevices(registry), 1);
    // In turn, the four exchanges took four seconds.
    EXPECT_LE(testbed::SecondsSince(start), 1.5);
    EXPECT_EQ(NamesOf(registry), (std::vector<std::string>{"Box-77", "Box-78", "Box-80", "Box-81"}));
    EXPECT_EQ(registry.deviceCount, 4);
    for (const char* broadcast : {"10.77.0.255", "10.78.0.255", "10.80.0.255", "10.81.0.255"})
        EXPECT_EQ(testbed::SimLogCount(std::string("-> ") + broadcast + " cmd=1"), 1u) << broadcast;
    EXPECT_EQ(testbed::SimLogCount("-> 255.255.255.255"), 0u);
    // Every appliance hears every broadcast here: sixteen replies, four appliances.
    EXPECT_EQ(Sorted(registry.scanReport.localAddresses),
              (std::vector<std::string>{"10.77.0.1", "10.78.0.1", "10.80.0.1", "10.81.0.1"}));
    EXPECT_EQ(registry.scanReport.broadcastAddresses.size(), 4u);
    EXPECT_EQ(registry.scanReport.datagramsSent, 4);
    EXPECT_EQ(registry.scanReport.repliesReceived, 16);
    EXPECT_FALSE(registry.scanReport.limitedBroadcastTried);
}

TEST(ScanFirstEntry, AnApplianceIsHandedOnAsSoonAsItsReplyIsRead) {
    DeviceRegistry registry;
    ScanOptions options;
    std::vector<double> arrivals;
    const uint64_t start = testbed::Now();
    options.onEntry = [&](const DeviceEntry& entry) {
        arrivals.push_back(testbed::SecondsSince(start));
        EXPECT_STREQ(entry.name, "Harborbox-Office");
    };
    EXPECT_EQ(ScanForDevices(registry, options), 1);
    ASSERT_EQ(arrivals.size(), 1u);
    EXPECT_LE(arrivals.front(), 0.3);
    EXPECT_GE(testbed::SecondsSince(start), 0.9);  // the scan itself still listens its second
}
