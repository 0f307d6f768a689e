// One appliance found on the network: a plain fixed-size record, copied by value.
#pragma once
#include <cstdint>

struct DeviceEntry {
    uint8_t deviceData[8];     // reply bytes 8..15; the last six are the MAC, most significant first
    uint32_t deviceFlags;
    uint32_t capabilityFlags;  // starts as deviceFlags; query replies add bits
    uint16_t webPort;          // host order; 0 until a query reply reports it
    char name[64];
    char ipText[64];
    char userName[32];         // administrator credentials this appliance last accepted
    char password[32];
    uint32_t ipAddress;        // network order
    int32_t languageSet;
};
