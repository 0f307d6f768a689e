// Appliances a running scan hands to the window before its end: the scan's thread adds, the window's thread
// takes them in batches, so a crowd of replies costs the window one message per batch, not one per reply.
#pragma once
#include "discovery/device_entry.h"
#include <cstddef>
#include <mutex>
#include <vector>

class EarlyEntries {
public:
    // More than the list shows at once; the scan's end lists the rest.
    static constexpr size_t kMaxEntries = 64;

    // True when the window must be told: the entry is the first of a new batch. Entries beyond the bound
    // are dropped.
    bool Add(const DeviceEntry& entry);
    // Everything added since the last take.
    std::vector<DeviceEntry> Take();

private:
    std::mutex m_mutex;
    std::vector<DeviceEntry> m_waiting;
    size_t m_added = 0;
};
