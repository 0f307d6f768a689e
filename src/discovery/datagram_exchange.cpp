#include "discovery/datagram_exchange.h"
#include "discovery/datagram.h"
#include "framework/handles.h"
#include <ws2tcpip.h>

namespace {
constexpr int kListenSlots = 10;
constexpr DWORD kSlotMs = 100;
// Room for a burst of answers from a crowded subnet (each reply is small, but the kernel charges
// a whole buffer per datagram).
constexpr int kReceiveBufferBytes = 4 * 1024 * 1024;
// A sender that never stops must not hold one slot forever.
constexpr int kMaxDatagramsPerSlot = 4096;
}  // namespace

int ExchangeDatagram(DeviceRegistry& registry, uint32_t destination, uint16_t port, const uint8_t* request,
                     int requestLength, uint8_t* reply, int replySize) {
    fw::unique_socket sock(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!sock) return 0;
    BOOL broadcast = TRUE;
    if (::setsockopt(sock.get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&broadcast),
                     sizeof broadcast) != 0)
        return 0;
    int receiveBuffer = kReceiveBufferBytes;
    ::setsockopt(sock.get(), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&receiveBuffer),
                 sizeof receiveBuffer);

    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    to.sin_addr.s_addr = destination;
    if (::sendto(sock.get(), reinterpret_cast<const char*>(request), requestLength, 0,
                 reinterpret_cast<const sockaddr*>(&to), sizeof to) == SOCKET_ERROR)
        return 0;
    u_long nonBlocking = 1;
    ::ioctlsocket(sock.get(), FIONBIO, &nonBlocking);

    const uint16_t requestCommand = RequestCommand(request, static_cast<size_t>(requestLength));
    int result = 0;
    for (int slot = 0; slot < kListenSlots; ++slot) {
        for (int n = 0; n < kMaxDatagramsPerSlot; ++n) {
            sockaddr_in from = {};
            int fromLength = sizeof from;
            const int received = ::recvfrom(sock.get(), reinterpret_cast<char*>(reply), replySize, 0,
                                            reinterpret_cast<sockaddr*>(&from), &fromLength);
            if (received == SOCKET_ERROR) {
                if (::WSAGetLastError() == WSAEMSGSIZE) continue;  // an oversized datagram is dropped
                break;  // nothing waiting (or a receive error): next slot
            }
            const size_t length = static_cast<size_t>(received);
            if (!HasDiscoveryMagic(reply, length)) continue;
            result = 1;
            ApplyDatagramReply(registry, requestCommand, reply, length, from.sin_addr.s_addr);
        }
        ::Sleep(kSlotMs);
    }
    return result;
}

void QueryDevice(DeviceRegistry& registry, uint32_t address) {
    const QueryRequestBytes request = BuildQueryRequest();
    uint8_t reply[kReplyBufferSize] = {};
    ExchangeDatagram(registry, address, kDiscoveryPort, request.data(), static_cast<int>(request.size()), reply,
                     sizeof reply);
}
