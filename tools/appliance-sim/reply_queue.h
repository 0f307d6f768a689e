#pragma once

#include <chrono>
#include <cstdint>
#include <queue>
#include <vector>

namespace appliance_sim {

struct OutgoingReply {
    std::uint32_t source;       // appliance address the reply is sent from
    std::uint32_t destination;  // the requester
    std::uint16_t port;
    std::vector<std::uint8_t> bytes;
};

// Replies waiting for their send time. One queue serves every appliance, so
// hundreds of spread replies cost no threads.
class ReplyQueue {
public:
    using Clock = std::chrono::steady_clock;

    void push(Clock::time_point due, OutgoingReply reply);

    // Time to wait for the next due reply, rounded up, as poll() wants it;
    // -1 when nothing is waiting.
    int wait_ms(Clock::time_point now) const;

    // Replies due at `now`, earliest first; equal times keep their push order.
    std::vector<OutgoingReply> take_due(Clock::time_point now);

private:
    struct Entry {
        Clock::time_point due;
        std::uint64_t sequence;
        OutgoingReply reply;
    };
    struct LaterFirst {
        bool operator()(const Entry& a, const Entry& b) const {
            return a.due != b.due ? a.due > b.due : a.sequence > b.sequence;
        }
    };

    std::priority_queue<Entry, std::vector<Entry>, LaterFirst> entries_;
    std::uint64_t next_sequence_ = 0;
};

}  // namespace appliance_sim
