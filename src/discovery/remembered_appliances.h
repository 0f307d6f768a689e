// Appliances seen before and appliances the user added by address, kept per user between runs: a
// sleeping appliance can still be listed and woken, an added one is asked directly in every scan.
#pragma once
#include "discovery/device_entry.h"
#include "discovery/mac_address.h"
#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <vector>

constexpr size_t kMaxRememberedAppliances = 32;

struct RememberedAppliance {
    MacAddress mac{};
    std::string name;       // as last received, at most 63 characters
    uint32_t address = 0;   // network order, where it was last seen
    int64_t lastSeen = 0;   // seconds since 1970
    bool added = false;     // the user added it by address
};

class RememberedAppliances {
public:
    // Most recently seen first; at most kMaxRememberedAppliances, the oldest not added going first.
    const std::vector<RememberedAppliance>& Items() const { return m_items; }

    // What a scan found: new appliances are remembered, known ones (by MAC) take the new name,
    // address and time. Entries without a MAC are not remembered.
    void RecordSeen(const std::list<DeviceEntry>& found, int64_t now);
    void Add(const DeviceEntry& entry, int64_t now);
    bool Forget(const MacAddress& mac);
    // Replaces everything, for what was loaded; puts it in order and within the bound.
    void Restore(std::vector<RememberedAppliance> items);

    // The addresses a scan asks directly, each once.
    std::vector<uint32_t> AddressesToAsk() const;
    // Remembered appliances whose MAC the found list lacks, most recently seen first.
    std::vector<RememberedAppliance> NotResponding(const std::list<DeviceEntry>& found) const;

private:
    void Remember(const DeviceEntry& entry, int64_t now, bool added);
    void KeepOrderAndBound();

    std::vector<RememberedAppliance> m_items;
};

// How one appliance is stored: under its MAC text, "address<TAB>last seen<TAB>added<TAB>name".
std::string EncodeRememberedAppliance(const RememberedAppliance& appliance);
std::optional<RememberedAppliance> DecodeRememberedAppliance(const std::string& macText, const std::string& data);
