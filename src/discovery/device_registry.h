// The ordered collection of appliances found by the last scan, with the selection and scan state
// that the wizard window keeps beside it.
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

// A plain value: the wizard window's thread owns the one it shows; a scan fills one of its own and hands it over.
struct DeviceRegistry {
    std::list<DeviceEntry> devices;  // insertion order until a scan sorts it
    int deviceCount = 0;             // entries after the last scan
    int selectedDevice = -1;         // list position; -1 while a scan runs
    std::time_t scanStartTime = 0;
    ScanReport scanReport;           // what the last scan tried, for the not-found page

    // The entry `selectedDevice` steps from the first, or null.
    DeviceEntry* SelectedEntry();
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
