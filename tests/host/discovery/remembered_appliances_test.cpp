#include "discovery/datagram.h"
#include "discovery/magic_packet.h"
#include "discovery/remembered_appliances.h"
#include <gtest/gtest.h>
#include <list>
#include <string>
#include <vector>

namespace {
DeviceEntry Seen(const std::string& name, const std::string& ip, uint8_t macTail) {
    DeviceEntry entry{};
    CopyToField(entry.name, name.c_str(), name.size());
    CopyToField(entry.ipText, ip.c_str(), ip.size());
    entry.ipAddress = *ParseIpText(ip);
    const uint8_t data[8] = {0, 0, 0x00, 0x11, 0x32, 0xAA, 0x00, macTail};
    std::copy(data, data + 8, entry.deviceData);
    return entry;
}

std::vector<std::string> NamesOf(const std::vector<RememberedAppliance>& items) {
    std::vector<std::string> names;
    for (const auto& item : items) names.push_back(item.name + (item.added ? "+" : ""));
    return names;
}
}  // namespace

TEST(RememberedAppliances, KnownByMacTakeTheirNewNameAddressAndTimeAndListNewestFirst) {
    RememberedAppliances remembered;
    remembered.RecordSeen({Seen("Office", "10.77.0.2", 1), Seen("Attic", "10.77.0.3", 2)}, 100);
    remembered.Add(Seen("Routed", "10.79.0.2", 3), 150);
    remembered.RecordSeen({Seen("Office-Renamed", "10.77.0.9", 1)}, 200);
    EXPECT_EQ(NamesOf(remembered.Items()), (std::vector<std::string>{"Office-Renamed", "Routed+", "Attic"}));
    EXPECT_EQ(FormatIpText(remembered.Items().front().address), "10.77.0.9");

    // Seen again by a scan, an added appliance stays added.
    remembered.RecordSeen({Seen("Routed", "10.79.0.2", 3)}, 300);
    EXPECT_EQ(NamesOf(remembered.Items()).front(), "Routed+");

    const std::list<DeviceEntry> found = {Seen("Routed", "10.79.0.2", 3)};
    EXPECT_EQ(NamesOf(remembered.NotResponding(found)), (std::vector<std::string>{"Office-Renamed", "Attic"}));
    std::vector<std::string> asked;
    for (uint32_t address : remembered.AddressesToAsk()) asked.push_back(FormatIpText(address));
    EXPECT_EQ(asked, (std::vector<std::string>{"10.79.0.2", "10.77.0.9", "10.77.0.3"}));

    EXPECT_TRUE(remembered.Forget(MacOf(Seen("", "10.79.0.2", 3))));
    EXPECT_FALSE(remembered.Forget(MacOf(Seen("", "10.79.0.2", 3))));
    EXPECT_EQ(NamesOf(remembered.Items()), (std::vector<std::string>{"Office-Renamed", "Attic"}));

    DeviceEntry noMac = Seen("NoMac", "10.77.0.7", 0);
    std::fill(noMac.deviceData, noMac.deviceData + 8, uint8_t(0));
    remembered.RecordSeen({noMac}, 400);
    EXPECT_EQ(remembered.Items().size(), 2u);
}

TEST(RememberedAppliances, KeepThirtyTwoDroppingTheOldestSeenBeforeAnyAdded) {
    RememberedAppliances remembered;
    remembered.Add(Seen("Added-Old", "10.79.0.2", 200), 1);
    for (int i = 0; i < 40; ++i)
        remembered.RecordSeen({Seen("Seen-" + std::to_string(i), "10.77.0." + std::to_string(i + 10), uint8_t(i))},
                              10 + i);
    ASSERT_EQ(remembered.Items().size(), kMaxRememberedAppliances);
    EXPECT_EQ(remembered.Items().front().name, "Seen-39");
    EXPECT_EQ(remembered.Items().back().name, "Added-Old");  // the oldest of all, yet kept
    EXPECT_EQ(remembered.Items()[kMaxRememberedAppliances - 2].name, "Seen-9");

    // With only additions left, the oldest addition goes.
    RememberedAppliances added;
    for (int i = 0; i < 33; ++i) added.Add(Seen("A" + std::to_string(i), "10.79.0.9", uint8_t(i + 1)), i);
    ASSERT_EQ(added.Items().size(), kMaxRememberedAppliances);
    EXPECT_EQ(added.Items().back().name, "A1");
}

TEST(RememberedAppliances, StoredFormRoundTripsAndRejectsDamagedValues) {
    RememberedAppliance office{MacOf(Seen("", "10.0.0.1", 0x5C)), "Office\tNas", *ParseIpText("10.79.0.2"), 1700000000,
                               true};
    const std::string data = EncodeRememberedAppliance(office);
    EXPECT_EQ(data, "10.79.0.2\t1700000000\t1\tOffice\tNas");
    const auto back = DecodeRememberedAppliance("00-11-32-aa-00-5c", data);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->mac, office.mac);
    EXPECT_EQ(back->name, "Office\tNas");
    EXPECT_EQ(back->address, office.address);
    EXPECT_EQ(back->lastSeen, 1700000000);
    EXPECT_TRUE(back->added);

    const struct {
        const char* mac;
        std::string data;
    } damaged[] = {{"00-11-32-AA-00", data},          {"00:11:32:AA:00:5C", data},
                   {"00-11-32-AA-00-5G", data},       {"00-11-32-AA-00-5C", "10.79.0.2\t1700000000\t1"},
                   {"00-11-32-AA-00-5C", "10.79.0\t1\t1\tx"}, {"00-11-32-AA-00-5C", "10.79.0.2\t-5\t1\tx"},
                   {"00-11-32-AA-00-5C", "10.79.0.2\t5\tyes\tx"}, {"00-11-32-AA-00-5C", ""}};
    for (const auto& d : damaged) {
        SCOPED_TRACE(std::string(d.mac) + " " + d.data);
        EXPECT_FALSE(DecodeRememberedAppliance(d.mac, d.data));
    }
    // A name longer than an entry's field is cut, and a stored terminator ends it.
    EXPECT_EQ(DecodeRememberedAppliance("00-11-32-AA-00-5C", "10.79.0.2\t5\t0\t" + std::string(80, 'n'))->name.size(),
              63u);
    EXPECT_EQ(DecodeRememberedAppliance("00-11-32-AA-00-5C", std::string("10.79.0.2\t5\t0\tab\0cd", 18))->name, "ab");

    // Loaded values are put in order, each MAC once.
    RememberedAppliances loaded;
    RememberedAppliance older = office;
    older.lastSeen = 5;
    RememberedAppliance other = office;
    other.mac[5] = 0x01;
    other.name = "Other";
    loaded.Restore({older, other, office});
    EXPECT_EQ(NamesOf(loaded.Items()), (std::vector<std::string>{"Other+", "Office\tNas+"}));
}

TEST(MagicPacket, IsSixSyncBytesThenTheMacSixteenTimes) {
    const MacAddress mac = {0x00, 0x11, 0x32, 0xAA, 0x34, 0x56};
    const MagicPacket packet = BuildMagicPacket(mac);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(packet[i], 0xFF);
    for (size_t repeat = 0; repeat < 16; ++repeat)
        EXPECT_TRUE(std::equal(mac.begin(), mac.end(), packet.begin() + 6 + 6 * repeat)) << repeat;
    EXPECT_EQ(FormatMacText(mac), "00-11-32-AA-34-56");
    EXPECT_EQ(ParseMacText("00-11-32-aa-34-56"), mac);
}
