#include <gtest/gtest.h>

#include "appliance-sim/reply_queue.h"

namespace appliance_sim {
namespace {

using std::chrono::milliseconds;

OutgoingReply reply_tagged(std::uint8_t tag) { return {1, 2, 15582, {tag}}; }

std::vector<int> tags(const std::vector<OutgoingReply>& replies) {
    std::vector<int> result;
    for (const OutgoingReply& reply : replies) result.push_back(reply.bytes.at(0));
    return result;
}

TEST(ReplyQueue, ReleasesRepliesByDueTimeKeepingPushOrderForTies) {
    ReplyQueue queue;
    const auto start = ReplyQueue::Clock::now();
    queue.push(start + milliseconds(30), reply_tagged(3));
    queue.push(start + milliseconds(10), reply_tagged(1));
    queue.push(start + milliseconds(10), reply_tagged(2));
    queue.push(start + milliseconds(50), reply_tagged(4));

    EXPECT_TRUE(queue.take_due(start).empty());
    EXPECT_EQ(tags(queue.take_due(start + milliseconds(30))), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(tags(queue.take_due(start + milliseconds(60))), (std::vector<int>{4}));
    EXPECT_TRUE(queue.take_due(start + milliseconds(60)).empty());
}

TEST(ReplyQueue, WaitTimeIsForTheEarliestReplyRoundedUp) {
    ReplyQueue queue;
    const auto start = ReplyQueue::Clock::now();
    EXPECT_EQ(queue.wait_ms(start), -1);
    queue.push(start + milliseconds(300), reply_tagged(1));
    queue.push(start + std::chrono::microseconds(20500), reply_tagged(2));
    EXPECT_EQ(queue.wait_ms(start), 21);
    EXPECT_EQ(queue.wait_ms(start + milliseconds(25)), 0);
}

}  // namespace
}  // namespace appliance_sim
