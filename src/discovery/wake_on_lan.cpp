#include "discovery/wake_on_lan.h"
#include "discovery/datagram.h"
#include "framework/handles.h"
#include <winsock2.h>

bool SendWakeOnLan(const MacAddress& mac, uint32_t lastAddress) {
    fw::unique_socket sock(::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP));
    if (!sock) return false;
    BOOL broadcast = TRUE;
    if (::setsockopt(sock.get(), SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&broadcast),
                     sizeof broadcast) != 0)
        return false;
    const MagicPacket packet = BuildMagicPacket(mac);
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(kWakeOnLanPort);
    to.sin_addr.s_addr = SubnetBroadcastOf(lastAddress);
    return ::sendto(sock.get(), reinterpret_cast<const char*>(packet.data()), static_cast<int>(packet.size()), 0,
                    reinterpret_cast<const sockaddr*>(&to), sizeof to) == static_cast<int>(packet.size());
}
