#include "discovery/datagram_exchange.h"
#include "discovery/datagram.h"
#include "discovery/reply_intake.h"
#include "framework/handles.h"
#include <ws2tcpip.h>

namespace {
// Room for a burst of answers from a crowded subnet (each reply is small, but the kernel charges
// a whole buffer per datagram).
constexpr int kReceiveBufferBytes = 4 * 1024 * 1024;

bool SendTo(SOCKET sock, uint32_t destination, uint16_t port, const uint8_t* request, int requestLength) {
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = destination;
    return ::sendto(sock, reinterpret_cast<const char*>(request), requestLength, 0,
                    reinterpret_cast<const sockaddr*>(&to), sizeof to) != SOCKET_ERROR;
}

bool WaitReadable(SOCKET sock, ULONGLONG milliseconds) {
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(sock, &readable);
    timeval wait = {static_cast<long>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000};
    return ::select(0, &readable, nullptr, nullptr, &wait) > 0;
}
}  // namespace

ExchangeCounts ExchangeWithAll(const std::vector<uint32_t>& destinations, uint16_t port, const uint8_t* request,
                               int requestLength, uint8_t* reply, int replySize, unsigned listenMs,
                               const DatagramHandler& onDatagram) {
    ExchangeCounts counts;
    fw::unique_socket sock(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!sock) return counts;
    BOOL broadcast = TRUE;
    if (::setsockopt(sock.get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&broadcast),
                     sizeof broadcast) != 0)
        return counts;
    int receiveBuffer = kReceiveBufferBytes;
    ::setsockopt(sock.get(), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&receiveBuffer),
                 sizeof receiveBuffer);
    for (uint32_t destination : destinations) {
        if (SendTo(sock.get(), destination, port, request, requestLength)) ++counts.sent;
    }
    if (counts.sent == 0) return counts;
    u_long nonBlocking = 1;
    ::ioctlsocket(sock.get(), FIONBIO, &nonBlocking);

    // Replies are read as they arrive; a sender that never stops cannot hold the exchange past its end.
    const ULONGLONG deadline = ::GetTickCount64() + listenMs;
    for (ULONGLONG now = ::GetTickCount64(); now < deadline; now = ::GetTickCount64()) {
        if (!WaitReadable(sock.get(), deadline - now)) continue;
        while (::GetTickCount64() < deadline) {
            sockaddr_in from = {};
            int fromLength = sizeof from;
            const int received = ::recvfrom(sock.get(), reinterpret_cast<char*>(reply), replySize, 0,
                                            reinterpret_cast<sockaddr*>(&from), &fromLength);
            if (received == SOCKET_ERROR) {
                if (::WSAGetLastError() == WSAEMSGSIZE) continue;  // an oversized datagram is dropped
                break;  // nothing waiting (or a receive error): wait again
            }
            const size_t length = static_cast<size_t>(received);
            if (HasDiscoveryMagic(reply, length)) ++counts.received;
            if (!onDatagram(reply, length, from.sin_addr.s_addr)) return counts;
        }
    }
    return counts;
}

int ExchangeDatagram(DeviceRegistry& registry, uint32_t destination, uint16_t port, const uint8_t* request,
                     int requestLength, uint8_t* reply, int replySize) {
    ReplyIntake intake(registry, RequestCommand(request, static_cast<size_t>(requestLength)));
    const ExchangeCounts counts =
        ExchangeWithAll({destination}, port, request, requestLength, reply, replySize, kExchangeMs,
                        [&](const uint8_t* data, size_t length, uint32_t sender) {
                            intake.Take(data, length, sender);
                            return true;
                        });
    return counts.received > 0 ? 1 : 0;
}

void QueryDevice(DeviceRegistry& registry, uint32_t address) {
    const QueryRequestBytes request = BuildQueryRequest();
    uint8_t reply[kReplyBufferSize] = {};
    ExchangeDatagram(registry, address, kDiscoveryPort, request.data(), static_cast<int>(request.size()), reply,
                     sizeof reply);
}
