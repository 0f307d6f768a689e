#include "reply_queue.h"

#include <utility>

namespace appliance_sim {

void ReplyQueue::push(Clock::time_point due, OutgoingReply reply) {
    entries_.push({due, next_sequence_++, std::move(reply)});
}

int ReplyQueue::wait_ms(Clock::time_point now) const {
    if (entries_.empty()) return -1;
    const auto due = entries_.top().due;
    if (due <= now) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(due - now).count());
}

std::vector<OutgoingReply> ReplyQueue::take_due(Clock::time_point now) {
    std::vector<OutgoingReply> due;
    while (!entries_.empty() && entries_.top().due <= now) {
        due.push_back(entries_.top().reply);
        entries_.pop();
    }
    return due;
}

}  // namespace appliance_sim
