// The ordered collection of appliances found by the last scan, with the selection and scan state
// that the wizard window keeps beside it.
#pragma once
#include "discovery/device_entry.h"
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <list>

// A plain value: the wizard window's thread owns the one it shows; a scan fills one of its own and hands it over.
struct DeviceRegistry {
    std::list<DeviceEntry> devices;  // insertion order until a scan sorts it
    int deviceCount = 0;             // entries after the last scan
    int selectedDevice = -1;         // list position; -1 while a scan runs
    std::time_t scanStartTime = 0;

    // The entry `selectedDevice` steps from the first, or null.
    DeviceEntry* SelectedEntry();
    DeviceEntry* FindByIpText(const char* ipText);
    bool ContainsAddress(uint32_t ipAddress) const;
};

extern const char kDefaultDeviceName[];  // the name appliances carry from the factory

// Applies one received datagram to the registry according to the command of the request that was sent.
void ApplyDatagramReply(DeviceRegistry& registry, uint16_t requestCommand, const uint8_t* data, size_t length,
                        uint32_t senderAddress);

// Stable, ascending by name, case-insensitive.
void SortDevicesByName(std::list<DeviceEntry>& devices);

// Removes later entries whose name and IP text both equal an earlier one's; sets deviceCount.
void RemoveDuplicateDevices(DeviceRegistry& registry);
