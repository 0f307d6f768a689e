#include "app/early_entries.h"

bool EarlyEntries::Add(const DeviceEntry& entry) {
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_added == kMaxEntries) return false;
    ++m_added;
    m_waiting.push_back(entry);
    return m_waiting.size() == 1;
}

std::vector<DeviceEntry> EarlyEntries::Take() {
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<DeviceEntry> taken;
    taken.swap(m_waiting);
    return taken;
}
