// Appliances that broadcasts do not find: asked by address (the routed topology), and woken from sleep.
#include "discovery/address_query.h"
#include "discovery/device_scan.h"
#include "discovery/wake_on_lan.h"
#include "test_bed.h"
#include "window_driver.h"
#include <gtest/gtest.h>
#include <string>

TEST(AddressQueryRouted, BroadcastsMissTheApplianceButItsAddressOrNameFindsIt) {
    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 0);
    EXPECT_TRUE(registry.scanReport.limitedBroadcastTried);

    for (const char* asked : {"10.79.0.2", "nas-routed"}) {
        SCOPED_TRACE(asked);
        const uint64_t start = testbed::Now();
        const AddressQueryResult found = QueryApplianceAt(asked);
        EXPECT_LT(testbed::SecondsSince(start), 1.0);  // a reply ends the wait
        ASSERT_EQ(found.outcome, AddressQueryOutcome::Found);
        EXPECT_STREQ(found.entry.name, "Routed");
        EXPECT_STREQ(found.entry.ipText, "10.79.0.2");
    }
    EXPECT_EQ(testbed::SimLogCount("-> 10.79.0.2 cmd=1"), 2u);
}

TEST(AddressQueryRouted, EachFailureHasItsOwnOutcome) {
    const struct {
        const char* asked;
        AddressQueryOutcome outcome;
        double atLeast, atMost;
    } cases[] = {
        {"no-such-box", AddressQueryOutcome::NameNotResolved, 0.0, 1.0},
        {"", AddressQueryOutcome::NameNotResolved, 0.0, 1.0},
        {"255.255.255.255", AddressQueryOutcome::NameNotResolved, 0.0, 1.0},
        {"10.79.0.3", AddressQueryOutcome::NoAnswer, 1.9, 3.0},          // nobody there
        {"10.79.0.4", AddressQueryOutcome::NotAHarborbox, 1.9, 3.0},     // answers, but not the protocol
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        const uint64_t start = testbed::Now();
        EXPECT_EQ(QueryApplianceAt(c.asked).outcome, c.outcome);
        const double seconds = testbed::SecondsSince(start);
        EXPECT_GE(seconds, c.atLeast);
        EXPECT_LE(seconds, c.atMost);
    }
}

TEST(AddressQueryRouted, AScanAsksRememberedAddressesDirectly) {
    const size_t askedBefore = testbed::SimLogCount("-> 10.79.0.2 cmd=1");
    DeviceRegistry registry;
    ScanOptions options;
    options.directAddresses = {testbed::Address("10.79.0.2")};
    EXPECT_EQ(ScanForDevices(registry, options), 1);
    ASSERT_EQ(registry.deviceCount, 1);
    EXPECT_STREQ(registry.devices.front().name, "Routed");
    EXPECT_EQ(registry.scanReport.directAddresses, options.directAddresses);
    EXPECT_FALSE(registry.scanReport.limitedBroadcastTried);
    EXPECT_EQ(testbed::SimLogCount("-> 10.79.0.2 cmd=1"), askedBefore + 1);
}

TEST(WakeSleeping, OneMagicPacketWakesTheApplianceAndTheNextScanFindsIt) {
    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 0);
    const MacAddress mac = {0x00, 0x11, 0x32, 0xAA, 0x34, 0x56};
    ASSERT_TRUE(SendWakeOnLan(mac, testbed::Address("10.77.0.2")));
    ASSERT_TRUE(testbed::PumpUntil([] { return testbed::SimLogCount(" wake ") > 0; }, 3000));
    EXPECT_EQ(testbed::SimLogCount("-> 10.77.0.255:9 wake mac=00-11-32-AA-34-56 len=102"), 1u);
    EXPECT_EQ(testbed::SimLogCount(" wake "), 1u);

    EXPECT_EQ(ScanForDevices(registry), 1);
    ASSERT_EQ(registry.deviceCount, 1);
    EXPECT_STREQ(registry.devices.front().name, "Sleeper");
}

TEST(ScanCrowd, TenThousandRepliesListTheFirstThousandAndTwentyFour) {
    DeviceRegistry registry;
    EXPECT_EQ(ScanForDevices(registry), 1);
    EXPECT_EQ(registry.deviceCount, 1024);
    EXPECT_GT(registry.scanReport.repliesIgnored, 0);
    EXPECT_EQ(registry.scanReport.repliesReceived, 1024 + registry.scanReport.repliesIgnored);
}
