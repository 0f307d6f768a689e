#include "discovery/host_lookup.h"
#include "discovery/datagram.h"
#include <winsock2.h>
#include <ws2tcpip.h>
#include <cstring>

bool ResolveFirstIPv4(const char* hostName, uint32_t& address) {
    if (!hostName || !hostName[0]) return false;
    addrinfo hints = {};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(hostName, nullptr, &hints, &found) != 0 || !found) return false;
    bool resolved = false;
    for (const addrinfo* info = found; info && !resolved; info = info->ai_next) {
        if (info->ai_family != AF_INET || !info->ai_addr) continue;
        address = reinterpret_cast<const sockaddr_in*>(info->ai_addr)->sin_addr.s_addr;
        resolved = true;
    }
    ::freeaddrinfo(found);
    return resolved;
}

void NameFromReverseLookup(DeviceEntry& entry) {
    const uint32_t address = entry.ipAddress;
    const hostent* host = ::gethostbyaddr(reinterpret_cast<const char*>(&address), 4, AF_INET);
    const char* name = (host && host->h_name && host->h_name[0]) ? host->h_name : entry.ipText;
    CopyToField(entry.name, name, std::strlen(name));
}
