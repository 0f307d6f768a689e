#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "appliance.h"
#include "config.h"
#include "reply_planner.h"
#include "reply_queue.h"
#include "request_log.h"

struct in_pktinfo;
struct sockaddr_in;

namespace appliance_sim {

constexpr std::uint16_t kDiscoveryPort = 15582;
constexpr std::uint16_t kWakePort = 9;

// All appliances share one socket on 0.0.0.0:15582. IP_PKTINFO tells where a
// request was sent to, and chooses each reply's source address, so every
// appliance answers from its own address. A second socket on port 9 takes
// Wake-on-LAN magic packets for sleeping appliances.
class UdpResponder {
public:
    // `log` may be null.
    UdpResponder(std::deque<Appliance>& appliances, const GlobalSettings& settings, RequestLog* log);
    ~UdpResponder();
    UdpResponder(const UdpResponder&) = delete;
    UdpResponder& operator=(const UdpResponder&) = delete;

    // Throws std::runtime_error when an appliance address is not local or the
    // port cannot be bound.
    void open();

    // Serves until `stop_fd` becomes readable.
    void run(int stop_fd);

private:
    void check_addresses_are_local() const;
    void receive_pending(int socket);
    void handle_wake(const std::uint8_t* data, std::size_t length, const sockaddr_in& from, const in_pktinfo& info);
    void handle(const std::uint8_t* data, std::size_t length, const sockaddr_in& from, const in_pktinfo& info);
    void send(const OutgoingReply& reply) const;

    std::deque<Appliance>& appliances_;
    RequestLog* const log_;
    ReplyPlanner planner_;
    ReplyQueue queue_;
    int socket_ = -1;
    int wake_socket_ = -1;
};

}  // namespace appliance_sim
