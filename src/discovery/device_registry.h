// The ordered collection of appliances found by the last scan, with the selection and scan state
// that the wizard window keeps beside it.
#pragma once
#include "discovery/device_entry.h"
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <list>
#include <mutex>
#include <string>

struct AdminCredentials {
    std::string userName;
    std::string password;
};

// Administrator user name and password last typed in; emptied by every scan. Guarded: the scan thread
// empties it while the window may read it.
class CredentialCache {
public:
    AdminCredentials Get() const;
    void Set(const AdminCredentials& credentials);
    void Clear() { Set({}); }

private:
    mutable std::mutex m_mutex;
    AdminCredentials m_credentials;
};

class DeviceRegistry {
public:
    std::list<DeviceEntry> devices;           // insertion order until a scan sorts it
    std::atomic<int> deviceCount{0};          // entries after the last scan
    std::atomic<int> selectedDevice{-1};      // list position; -1 while a scan runs
    std::atomic<std::time_t> scanStartTime{0};
    CredentialCache credentials;

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
