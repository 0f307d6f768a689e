// The simulator's sleeping appliance (woken by its magic packet) and its crowd behind one address.
#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "appliance-sim/datagram_codec.h"
#include "appliance-sim/ipv4.h"
#include "appliance-sim/reply_planner.h"
#include "appliance-sim/request_log.h"
#include "config_text.h"

namespace appliance_sim {
namespace {

const std::array<std::uint8_t, 6> kMac{0x00, 0x11, 0x32, 0xAA, 0x34, 0x56};
const RequestTarget kToSubnet{TargetKind::subnet_broadcast, *parse_ipv4("10.77.0.255")};

std::vector<std::uint8_t> magic_packet(const std::array<std::uint8_t, 6>& mac, std::size_t repeats = 16) {
    std::vector<std::uint8_t> packet(6, 0xFF);
    for (std::size_t i = 0; i < repeats; ++i) packet.insert(packet.end(), mac.begin(), mac.end());
    return packet;
}

TEST(SimMagicPacket, NamesTheMacOnlyWhenWellFormed) {
    std::vector<std::uint8_t> with_password = magic_packet(kMac);
    with_password.insert(with_password.end(), {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(parse_magic_packet(magic_packet(kMac).data(), 102), kMac);
    EXPECT_EQ(parse_magic_packet(with_password.data(), with_password.size()), kMac);
    EXPECT_FALSE(parse_magic_packet(magic_packet(kMac, 15).data(), 96));
    std::vector<std::uint8_t> broken = magic_packet(kMac);
    broken[0] = 0xFE;
    EXPECT_FALSE(parse_magic_packet(broken.data(), broken.size()));
    broken = magic_packet(kMac);
    broken[101] ^= 1;  // the last repeat differs
    EXPECT_FALSE(parse_magic_packet(broken.data(), broken.size()));
    EXPECT_EQ(format_wake_log_line(7, *parse_ipv4("10.77.0.1"), 5000, *parse_ipv4("10.77.0.255"), "00-11-32-AA-34-56", 102),
              "7 10.77.0.1:5000 -> 10.77.0.255:9 wake mac=00-11-32-AA-34-56 len=102");
}

TEST(SimSleepingAppliance, AnswersNothingUntilItsOwnMacWakesIt) {
    const SimConfig config = parse(
        "[appliance]\naddress = 10.77.0.2\nmac = 00-11-32-AA-34-56\nasleep = 1\n"
        "[appliance]\naddress = 10.77.0.3\nmac = 00-11-32-AA-00-03\n");
    std::deque<Appliance> appliances(config.appliances.begin(), config.appliances.end());
    ReplyPlanner planner(appliances, 0, 1);
    EXPECT_EQ(planner.plan(RequestKind::discover, kToSubnet).size(), 1u);
    EXPECT_TRUE(planner.plan(RequestKind::discover, {TargetKind::unicast, *parse_ipv4("10.77.0.2")}).empty());
    EXPECT_TRUE(planner.plan(RequestKind::query, {TargetKind::unicast, *parse_ipv4("10.77.0.2")}).empty());

    EXPECT_FALSE(appliances[0].wake({0x00, 0x11, 0x32, 0xAA, 0x00, 0x03}));  // another appliance's MAC
    EXPECT_TRUE(planner.plan(RequestKind::discover, {TargetKind::unicast, *parse_ipv4("10.77.0.2")}).empty());
    EXPECT_TRUE(appliances[0].wake(kMac));
    EXPECT_FALSE(appliances[0].wake(kMac));  // already awake
    EXPECT_EQ(planner.plan(RequestKind::discover, kToSubnet).size(), 2u);
}

TEST(SimCrowd, OneAddressAnswersForManyAppliancesEachWithItsOwnNameAndMac) {
    const SimConfig config =
        parse("[appliance]\naddress = 10.77.0.2\nname = Crowd\nfault = crowd\nflood_count = 10000\n");
    std::deque<Appliance> appliances(config.appliances.begin(), config.appliances.end());
    ReplyPlanner planner(appliances, 500, 1);
    const auto replies = planner.plan(RequestKind::discover, kToSubnet);
    ASSERT_EQ(replies.size(), 10000u);
    std::set<std::vector<std::uint8_t>> distinct;
    for (const PlannedReply& reply : replies) distinct.insert(reply.bytes);
    EXPECT_EQ(distinct.size(), 10000u);
    DeviceState last;
    last.name = "Crowd-10000";
    last.mac = {0, 0, 0, 0, 10000 >> 8, 10000 & 0xFF};
    EXPECT_EQ(replies.back().bytes, build_discover_reply(last, Fault::none));
    // Queries are the address's own, answered once.
    EXPECT_EQ(planner.plan(RequestKind::query, {TargetKind::unicast, *parse_ipv4("10.77.0.2")}).size(), 1u);
    EXPECT_THROW(parse("[appliance]\naddress = 10.77.0.2\nfault = crowd\n"), ConfigError);
}

}  // namespace
}  // namespace appliance_sim
