#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

#include "appliance-sim/ipv4.h"
#include "appliance-sim/reply_planner.h"

namespace appliance_sim {
namespace {

std::uint32_t ip(const char* text) { return *parse_ipv4(text); }

ApplianceConfig appliance_at(const char* address, AnswerTo answer_to = AnswerTo::any, Fault fault = Fault::none) {
    ApplianceConfig config;
    config.address = ip(address);
    config.device.name = address;
    config.answer_to = answer_to;
    config.misbehaviour.fault = fault;
    return config;
}

std::vector<std::string> sources(const std::vector<PlannedReply>& replies) {
    std::vector<std::string> result;
    for (const PlannedReply& reply : replies) result.push_back(format_ipv4(reply.source));
    return result;
}

const RequestTarget kToSubnetBroadcast{TargetKind::subnet_broadcast, ip("10.77.0.255")};
const RequestTarget kToLimitedBroadcast{TargetKind::limited_broadcast, kLimitedBroadcast};

TEST(ClassifyTarget, TellsUnicastFromBroadcastByTheKernelsLocalAddress) {
    EXPECT_EQ(classify_target(ip("10.77.0.5"), ip("10.77.0.5")).kind, TargetKind::unicast);
    EXPECT_EQ(classify_target(ip("10.77.0.255"), ip("10.77.0.2")).kind, TargetKind::subnet_broadcast);
    // a second subnet's broadcast arriving on an interface of the first
    EXPECT_EQ(classify_target(ip("10.78.0.255"), ip("10.77.0.2")).kind, TargetKind::subnet_broadcast);
    EXPECT_EQ(classify_target(kLimitedBroadcast, ip("10.77.0.2")).kind, TargetKind::limited_broadcast);
}

class ReplyPlannerTest : public ::testing::Test {
protected:
    void add(const ApplianceConfig& config) { appliances_.emplace_back(config); }
    std::vector<PlannedReply> plan(RequestKind kind, const RequestTarget& target, int spread_ms = 0,
                                   std::uint32_t seed = 1) {
        ReplyPlanner planner(appliances_, spread_ms, seed);
        return planner.plan(kind, target);
    }

    std::deque<Appliance> appliances_;
};

TEST_F(ReplyPlannerTest, BroadcastsAreAnsweredAccordingToAnswerTo) {
    add(appliance_at("10.77.0.2", AnswerTo::any));
    add(appliance_at("10.77.0.3", AnswerTo::subnet));
    add(appliance_at("10.77.0.4", AnswerTo::limited));
    add(appliance_at("10.77.0.5", AnswerTo::unicast));
    EXPECT_EQ(sources(plan(RequestKind::discover, kToSubnetBroadcast)),
              (std::vector<std::string>{"10.77.0.2", "10.77.0.3"}));
    EXPECT_EQ(sources(plan(RequestKind::discover, kToLimitedBroadcast)),
              (std::vector<std::string>{"10.77.0.2", "10.77.0.4"}));
    // the broadcast of another subnet still reaches every appliance of the namespace
    EXPECT_EQ(sources(plan(RequestKind::discover, {TargetKind::subnet_broadcast, ip("10.78.0.255")})),
              (std::vector<std::string>{"10.77.0.2", "10.77.0.3"}));
}

TEST_F(ReplyPlannerTest, UnicastIsAnsweredOnlyByThatAddress) {
    add(appliance_at("10.77.0.2"));
    add(appliance_at("10.77.0.3", AnswerTo::limited));
    add(appliance_at("10.77.0.5", AnswerTo::unicast));
    EXPECT_EQ(sources(plan(RequestKind::discover, {TargetKind::unicast, ip("10.77.0.3")})),
              (std::vector<std::string>{"10.77.0.3"}));
    EXPECT_EQ(sources(plan(RequestKind::discover, {TargetKind::unicast, ip("10.77.0.5")})),
              (std::vector<std::string>{"10.77.0.5"}));
    EXPECT_EQ(sources(plan(RequestKind::query, {TargetKind::unicast, ip("10.77.0.2")})),
              (std::vector<std::string>{"10.77.0.2"}));
    EXPECT_TRUE(plan(RequestKind::discover, {TargetKind::unicast, ip("10.77.0.9")}).empty());
}

TEST_F(ReplyPlannerTest, QueriesAreNotAnsweredWhenBroadcast) {
    add(appliance_at("10.77.0.2"));
    EXPECT_TRUE(plan(RequestKind::query, kToSubnetBroadcast).empty());
    EXPECT_TRUE(plan(RequestKind::query, kToLimitedBroadcast).empty());
}

TEST_F(ReplyPlannerTest, ReplyBytesFollowRequestKindAndFault) {
    add(appliance_at("10.77.0.2", AnswerTo::any, Fault::bad_magic));
    const auto discover = plan(RequestKind::discover, kToSubnetBroadcast);
    ASSERT_EQ(discover.size(), 1u);
    EXPECT_EQ(discover[0].bytes, build_discover_reply(appliances_[0].device(), Fault::bad_magic));
    const auto query = plan(RequestKind::query, {TargetKind::unicast, ip("10.77.0.2")});
    ASSERT_EQ(query.size(), 1u);
    EXPECT_EQ(query[0].bytes, build_query_reply(appliances_[0].device(), Fault::bad_magic));
}

TEST_F(ReplyPlannerTest, SilentFloodAndDelayShapeTheReplies) {
    ApplianceConfig flood = appliance_at("10.77.0.3", AnswerTo::any, Fault::flood);
    flood.misbehaviour.flood_count = 11;
    ApplianceConfig late = appliance_at("10.77.0.4", AnswerTo::any, Fault::delay);
    late.misbehaviour.delay_ms = 1500;
    add(appliance_at("10.77.0.2", AnswerTo::any, Fault::silent));
    add(flood);
    add(late);

    const auto replies = plan(RequestKind::discover, kToSubnetBroadcast, 300);
    ASSERT_EQ(replies.size(), 12u);
    EXPECT_EQ(std::count_if(replies.begin(), replies.end(),
                            [](const PlannedReply& r) { return format_ipv4(r.source) == "10.77.0.3"; }),
              11);
    EXPECT_EQ(format_ipv4(replies.back().source), "10.77.0.4");
    EXPECT_EQ(replies.back().delay, std::chrono::milliseconds(1500));
    EXPECT_TRUE(plan(RequestKind::query, {TargetKind::unicast, ip("10.77.0.2")}).empty());
}

TEST_F(ReplyPlannerTest, SpreadStaysInItsWindowAndRepeatsWithTheSeed) {
    for (int i = 0; i < 200; ++i) {
        ApplianceConfig config;
        config.address = ip("10.77.0.10") + static_cast<std::uint32_t>(i);
        add(config);
    }
    const auto first = plan(RequestKind::discover, kToSubnetBroadcast, 300, 42);
    ASSERT_EQ(first.size(), 200u);
    std::vector<long> delays;
    for (const PlannedReply& reply : first) delays.push_back(static_cast<long>(reply.delay.count()));
    EXPECT_GE(*std::min_element(delays.begin(), delays.end()), 0);
    EXPECT_LE(*std::max_element(delays.begin(), delays.end()), 300);
    EXPECT_GT(*std::max_element(delays.begin(), delays.end()) - *std::min_element(delays.begin(), delays.end()), 200)
        << "replies should be spread, not bunched";

    const auto again = plan(RequestKind::discover, kToSubnetBroadcast, 300, 42);
    for (std::size_t i = 0; i < first.size(); ++i) EXPECT_EQ(again[i].delay, first[i].delay);

    for (const PlannedReply& reply : plan(RequestKind::discover, kToSubnetBroadcast, 0))
        EXPECT_EQ(reply.delay, std::chrono::milliseconds(0));
}

}  // namespace
}  // namespace appliance_sim
