#include "udp_responder.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <stdexcept>
#include <string>

#include "datagram_codec.h"
#include "ipv4.h"

namespace appliance_sim {
namespace {

constexpr std::size_t kMaxDatagram = 2048;
constexpr int kSendBufferBytes = 4 * 1024 * 1024;  // a burst of hundreds of replies must not block

std::runtime_error system_error(const std::string& what) {
    return std::runtime_error(what + ": " + std::strerror(errno));
}

sockaddr_in socket_address(std::uint32_t address, std::uint16_t port) {
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_addr.s_addr = htonl(address);
    result.sin_port = htons(port);
    return result;
}

void set_option(int socket, int level, int name, int value, const char* label) {
    if (setsockopt(socket, level, name, &value, sizeof value) != 0) throw system_error(label);
}

// A broadcast-capable socket on 0.0.0.0:port that reports each datagram's destination.
int open_socket(std::uint16_t port) {
    const int sock = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (sock < 0) throw system_error("socket");
    set_option(sock, SOL_SOCKET, SO_BROADCAST, 1, "SO_BROADCAST");
    set_option(sock, IPPROTO_IP, IP_PKTINFO, 1, "IP_PKTINFO");
    const sockaddr_in any = socket_address(INADDR_ANY, port);
    if (bind(sock, reinterpret_cast<const sockaddr*>(&any), sizeof any) != 0) {
        close(sock);
        throw system_error("bind 0.0.0.0:" + std::to_string(port));
    }
    return sock;
}

std::string format_mac(const std::array<std::uint8_t, 6>& mac) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

}  // namespace

UdpResponder::UdpResponder(std::deque<Appliance>& appliances, const GlobalSettings& settings, RequestLog* log)
    : appliances_(appliances), log_(log), planner_(appliances, settings.reply_spread_ms, settings.seed) {}

UdpResponder::~UdpResponder() {
    if (socket_ >= 0) close(socket_);
    if (wake_socket_ >= 0) close(wake_socket_);
}

void UdpResponder::open() {
    check_addresses_are_local();
    socket_ = open_socket(kDiscoveryPort);
    set_option(socket_, SOL_SOCKET, SO_SNDBUF, kSendBufferBytes, "SO_SNDBUF");
    wake_socket_ = open_socket(kWakePort);
}

// A reply from an address the namespace lacks would fail on every send;
// better to refuse at start with the config line that caused it.
void UdpResponder::check_addresses_are_local() const {
    for (const Appliance& appliance : appliances_) {
        const int trial = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (trial < 0) throw system_error("socket");
        const sockaddr_in address = socket_address(appliance.address(), 0);
        const bool local = bind(trial, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        close(trial);
        if (!local)
            throw std::runtime_error("appliance address " + format_ipv4(appliance.address()) +
                                     " is not an address of this network namespace");
    }
}

void UdpResponder::run(int stop_fd) {
    for (;;) {
        pollfd fds[3] = {{socket_, POLLIN, 0}, {wake_socket_, POLLIN, 0}, {stop_fd, POLLIN, 0}};
        if (poll(fds, 3, queue_.wait_ms(ReplyQueue::Clock::now())) < 0) {
            if (errno == EINTR) continue;
            throw system_error("poll");
        }
        if (fds[2].revents != 0) return;
        if (fds[0].revents & POLLIN) receive_pending(socket_);
        if (fds[1].revents & POLLIN) receive_pending(wake_socket_);
        for (const OutgoingReply& reply : queue_.take_due(ReplyQueue::Clock::now())) send(reply);
    }
}

void UdpResponder::receive_pending(int socket) {
    for (;;) {
        std::uint8_t data[kMaxDatagram];
        sockaddr_in from{};
        iovec vector{data, sizeof data};
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))];
        msghdr message{};
        message.msg_name = &from;
        message.msg_namelen = sizeof from;
        message.msg_iov = &vector;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
        const ssize_t length = recvmsg(socket, &message, MSG_DONTWAIT);
        if (length < 0) {
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
                std::cerr << "appliance-sim: recvmsg: " << std::strerror(errno) << std::endl;
            return;
        }
        for (cmsghdr* header = CMSG_FIRSTHDR(&message); header; header = CMSG_NXTHDR(&message, header)) {
            if (header->cmsg_level == IPPROTO_IP && header->cmsg_type == IP_PKTINFO) {
                in_pktinfo info;
                std::memcpy(&info, CMSG_DATA(header), sizeof info);
                if (socket == wake_socket_) handle_wake(data, static_cast<std::size_t>(length), from, info);
                else handle(data, static_cast<std::size_t>(length), from, info);
            }
        }
    }
}

void UdpResponder::handle(const std::uint8_t* data, std::size_t length, const sockaddr_in& from,
                          const in_pktinfo& info) {
    const std::uint32_t requester = ntohl(from.sin_addr.s_addr);
    const std::uint16_t port = ntohs(from.sin_port);
    const std::uint32_t destination = ntohl(info.ipi_addr.s_addr);
    if (log_) log_->record(requester, port, destination, command_of(data, length), length);

    const auto kind = parse_request(data, length);
    if (!kind) return;
    const auto target = classify_target(destination, ntohl(info.ipi_spec_dst.s_addr));
    const auto now = ReplyQueue::Clock::now();
    for (PlannedReply& planned : planner_.plan(*kind, target))
        queue_.push(now + planned.delay, {planned.source, requester, port, std::move(planned.bytes)});
}

void UdpResponder::handle_wake(const std::uint8_t* data, std::size_t length, const sockaddr_in& from,
                               const in_pktinfo& info) {
    const auto mac = parse_magic_packet(data, length);
    if (log_)
        log_->record_wake(ntohl(from.sin_addr.s_addr), ntohs(from.sin_port), ntohl(info.ipi_addr.s_addr),
                          mac ? format_mac(*mac) : "-", length);
    if (!mac) return;
    for (Appliance& appliance : appliances_) appliance.wake(*mac);
}

void UdpResponder::send(const OutgoingReply& reply) const {
    sockaddr_in to = socket_address(reply.destination, reply.port);
    iovec vector{const_cast<std::uint8_t*>(reply.bytes.data()), reply.bytes.size()};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
    msghdr message{};
    message.msg_name = &to;
    message.msg_namelen = sizeof to;
    message.msg_iov = &vector;
    message.msg_iovlen = 1;
    message.msg_control = control;
    message.msg_controllen = sizeof control;
    cmsghdr* header = CMSG_FIRSTHDR(&message);
    header->cmsg_level = IPPROTO_IP;
    header->cmsg_type = IP_PKTINFO;
    header->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
    in_pktinfo info{};
    info.ipi_spec_dst.s_addr = htonl(reply.source);
    std::memcpy(CMSG_DATA(header), &info, sizeof info);
    if (sendmsg(socket_, &message, 0) < 0)
        std::cerr << "appliance-sim: reply from " << format_ipv4(reply.source) << " to " << format_ipv4(reply.destination)
                  << ": " << std::strerror(errno) << std::endl;
}

}  // namespace appliance_sim
