// Name resolution the discovery needs: forward to one IPv4 address, reverse to an entry's name.
#pragma once
#include "discovery/device_entry.h"
#include <cstdint>

// The first IPv4 address of a host name or dotted address text (network order); false when it
// does not resolve.
bool ResolveFirstIPv4(const char* hostName, uint32_t& address);

// An entry whose reply carried no name takes its address's host name, or its IP text.
void NameFromReverseLookup(DeviceEntry& entry);
