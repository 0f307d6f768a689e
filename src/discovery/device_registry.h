// The ordered collection of appliances found by the last scan.
#pragma once
#include "discovery/device_entry.h"
#include "discovery/scan_report.h"
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <list>
#include <set>
#include <string>
#include <utility>

// A plain value: the wizard window's thread owns the one it shows (its state keeps the selection beside it,
// by appliance); a scan fills one of its own and hands it over.
struct DeviceRegistry {
    std::list<DeviceEntry> devices;  // insertion order until a scan sorts it
    int deviceCount = 0;             // entries after the last scan
    std::time_t scanStartTime = 0;
    ScanReport scanReport;           // what the last scan tried, for the not-found page

    DeviceEntry* FindByIpText(const char* ipText);
    bool ContainsAddress(uint32_t ipAddress) const;
};

extern const char kDefaultDeviceName[];  // the name appliances carry from the factory

// Name and IP text, both compared case-insensitively: entries equal in both are the same appliance.
class DeviceKeySet {
public:
    // False when an equal key was already there.
    bool Insert(const DeviceEntry& entry);

private:
    struct Less {
        bool operator()(const std::pair<std::string, std::string>& a,
                        const std::pair<std::string, std::string>& b) const;
    };
    std::set<std::pair<std::string, std::string>, Less> m_keys;
};

// Stable, ascending by name, case-insensitive.
void SortDevicesByName(std::list<DeviceEntry>& devices);

// Removes later entries whose name and IP text both equal an earlier one's; sets deviceCount.
void RemoveDuplicateDevices(DeviceRegistry& registry);
