#include "discovery/datagram.h"
#include "discovery/device_list_rows.h"
#include "discovery/device_registry.h"
#include "discovery/reply_intake.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {
DeviceEntry Entry(const std::string& name, const std::string& ip, uint8_t tag = 0) {
    DeviceEntry entry{};
    CopyToField(entry.name, name.c_str(), name.size());
    CopyToField(entry.ipText, ip.c_str(), ip.size());
    entry.deviceData[7] = tag;
    return entry;
}

std::vector<std::string> Names(const std::list<DeviceEntry>& devices) {
    std::vector<std::string> names;
    for (const auto& d : devices) names.push_back(std::string(d.name) + "@" + d.ipText);
    return names;
}

std::vector<int> Images(const DeviceListRows& rows) {
    std::vector<int> images;
    for (const auto& r : rows.rows) images.push_back(r.image);
    return images;
}
}  // namespace

TEST(RegistryOrder, SortsCaseInsensitivelyAndKeepsArrivalOrderOfEqualNames) {
    std::list<DeviceEntry> devices = {Entry("beta", "10.0.0.1"), Entry("Alpha", "10.0.0.2"),
                                      Entry("ALPHA", "10.0.0.3"), Entry("alpha", "10.0.0.4"),
                                      Entry("Gamma", "10.0.0.5"), Entry("Beta", "10.0.0.6")};
    SortDevicesByName(devices);
    EXPECT_EQ(Names(devices), (std::vector<std::string>{"Alpha@10.0.0.2", "ALPHA@10.0.0.3", "alpha@10.0.0.4",
                                                        "beta@10.0.0.1", "Beta@10.0.0.6", "Gamma@10.0.0.5"}));
}

TEST(RegistryDeduplication, RemovesSameNameAndAddressButKeepsConflicts) {
    DeviceRegistry registry;
    registry.devices = {Entry("Media", "10.77.0.3", 1), Entry("media", "10.77.0.3", 2), Entry("Media", "10.77.0.4"),
                        Entry("Media", "10.77.0.3", 3), Entry("Other", "10.77.0.5")};
    RemoveDuplicateDevices(registry);
    EXPECT_EQ(Names(registry.devices),
              (std::vector<std::string>{"Media@10.77.0.3", "Media@10.77.0.4", "Other@10.77.0.5"}));
    EXPECT_EQ(registry.devices.front().deviceData[7], 1);  // the first arrival stays
    EXPECT_EQ(registry.deviceCount, 3);

    DeviceRegistry single;
    single.devices = {Entry("Only", "10.77.0.9")};
    RemoveDuplicateDevices(single);
    EXPECT_EQ(single.deviceCount, 1);
}

TEST(RegistryReplies, DiscoverAppendsEachApplianceOnceAndQueryUpdatesOnlyItsSender) {
    DeviceRegistry registry;
    std::vector<uint8_t> discover = {'Q', 'X', 'N', 'S', 0, 0, 2, 0, 0, 0, 0, 0x11, 0x32, 0, 0, 1,
                                     0x00, 0x00, 0x02, 0x40, 'N', 'a', 's', 0};
    const uint32_t sender = *ParseIpText("10.77.0.2");
    std::vector<std::string> handedOn;
    ReplyIntake intake(registry, kCommandDiscoverRequest,
                       [&](const DeviceEntry& entry) { handedOn.push_back(entry.ipText); });
    intake.Take(discover.data(), discover.size(), sender);
    intake.Take(discover.data(), discover.size(), sender);  // the same appliance over a second adapter
    intake.Take(discover.data(), discover.size(), *ParseIpText("10.77.0.3"));
    EXPECT_EQ(Names(registry.devices), (std::vector<std::string>{"Nas@10.77.0.2", "Nas@10.77.0.3"}));
    EXPECT_EQ(handedOn, (std::vector<std::string>{"10.77.0.2", "10.77.0.3"}));

    // A later exchange of the same scan does not hand on what is already listed.
    ReplyIntake(registry, kCommandDiscoverRequest, [&](const DeviceEntry& entry) { handedOn.push_back(entry.ipText); })
        .Take(discover.data(), discover.size(), sender);
    EXPECT_EQ(registry.devices.size(), 2u);
    EXPECT_EQ(handedOn.size(), 2u);

    std::vector<uint8_t> query = {'Q', 'X', 'N', 'S', 0, 8, 4, 0, 10, 1, 0x1F, 0x98, 1, 0, 0, 0};
    ReplyIntake queries(registry, kCommandQueryRequest);
    queries.Take(query.data(), query.size(), *ParseIpText("10.77.0.99"));
    EXPECT_EQ(registry.devices.front().webPort, 0);
    queries.Take(query.data(), query.size(), sender);
    EXPECT_EQ(registry.devices.front().webPort, 8088);
    EXPECT_EQ(registry.devices.back().webPort, 0);
}

TEST(RegistryReplies, AFloodIsBoundedAndCounted) {
    DeviceRegistry registry;
    ReplyIntake intake(registry, kCommandDiscoverRequest);
    const size_t flood = kMaxAppliancesPerExchange + 476;
    for (size_t i = 0; i < flood; ++i) {
        std::vector<uint8_t> reply = {'Q', 'X', 'N', 'S', 0, 0, 2, 0, 0, 0, 0, 0x11, 0x32, 0, 0, 1, 0x00, 0x00, 0x02, 0x40};
        const std::string name = "Box-" + std::to_string(i);
        reply.insert(reply.end(), name.begin(), name.end());
        reply.push_back(0);
        intake.Take(reply.data(), reply.size(), *ParseIpText("10.77.0.2"));
    }
    EXPECT_EQ(registry.devices.size(), kMaxAppliancesPerExchange);
    EXPECT_EQ(intake.Ignored(), 476);
    EXPECT_STREQ(registry.devices.back().name, "Box-1023");  // the first ones to arrive stay
}

TEST(DeviceListRows, MarksEveryEntryOfAConflictingName) {
    std::list<DeviceEntry> devices = {Entry("Alpha", "10.0.0.1"), Entry("Media", "10.0.0.2"), Entry("media", "10.0.0.3"),
                                      Entry("Zeta", "10.0.0.4")};
    DeviceListRows rows = BuildDeviceListRows(devices);
    EXPECT_TRUE(rows.nameConflict);
    EXPECT_EQ(Images(rows), (std::vector<int>{3, 9, 9, 3}));

    devices = {Entry("QX-Harborbox", "10.0.0.1"), Entry("QX-Harborbox", "10.0.0.2"), Entry("qx-harborbox", "10.0.0.3")};
    rows = BuildDeviceListRows(devices);
    EXPECT_EQ(Images(rows), (std::vector<int>{9, 9, 9}));

    devices = {Entry("One", "10.0.0.1"), Entry("Two", "10.0.0.2")};
    rows = BuildDeviceListRows(devices);
    EXPECT_FALSE(rows.nameConflict);
    EXPECT_EQ(Images(rows), (std::vector<int>{3, 3}));
}

TEST(DeviceListRows, ShowsAddressAndMacText) {
    DeviceEntry entry = Entry("Nas", "10.77.0.2");
    const uint8_t data[8] = {0xAA, 0xBB, 0x00, 0x11, 0x32, 0xAB, 0x34, 0x5C};
    std::memcpy(entry.deviceData, data, 8);
    const DeviceListRows rows = BuildDeviceListRows({entry});
    ASSERT_EQ(rows.rows.size(), 1u);
    EXPECT_EQ(rows.rows[0].ipText, "10.77.0.2");
    EXPECT_EQ(rows.rows[0].macText, "00-11-32-AB-34-5C");
}

TEST(DeviceListRows, AThousandsStrongRegistryKeepsEveryMarkAndDuplicateRule) {
    // Pairs of equal names (one pair per hundred also repeated at the same address), as a crowded
    // network gives them: the sorted registry, de-duplicated, then the rows.
    DeviceRegistry registry;
    for (int i = 0; i < 5000; ++i) {
        const std::string name = "Box-" + std::to_string(i / 2);
        const std::string ip = "10.77." + std::to_string(i / 250) + "." + std::to_string(i % 250);
        registry.devices.push_back(Entry(name, ip));
        if (i % 200 == 0) registry.devices.push_back(Entry(name, ip));
    }
    SortDevicesByName(registry.devices);
    RemoveDuplicateDevices(registry);
    ASSERT_EQ(registry.deviceCount, 5000);
    const DeviceListRows rows = BuildDeviceListRows(registry.devices);
    EXPECT_TRUE(rows.nameConflict);
    const std::vector<int> images = Images(rows);
    EXPECT_EQ(std::count(images.begin(), images.end(), kImageNameConflict), 5000);
}
