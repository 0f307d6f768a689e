#include "discovery/remembered_appliances.h"
#include "discovery/datagram.h"
#include <algorithm>
#include <cstring>

namespace {
constexpr size_t kMaxNameLength = sizeof(DeviceEntry::name) - 1;

// Text up to its terminator, at most `limit` characters.
std::string BoundedText(const char* text, size_t limit) {
    const void* end = std::memchr(text, '\0', limit);
    return std::string(text, end ? static_cast<const char*>(end) - text : limit);
}

bool IsNoMac(const MacAddress& mac) {
    return std::all_of(mac.begin(), mac.end(), [](uint8_t b) { return b == 0; });
}

bool ContainsMac(const std::list<DeviceEntry>& found, const MacAddress& mac) {
    return std::any_of(found.begin(), found.end(), [&](const DeviceEntry& entry) { return MacOf(entry) == mac; });
}

std::optional<int64_t> ParseDecimal(const std::string& text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}
}  // namespace

void RememberedAppliances::RecordSeen(const std::list<DeviceEntry>& found, int64_t now) {
    for (const DeviceEntry& entry : found) Remember(entry, now, false);
    KeepOrderAndBound();
}

void RememberedAppliances::Add(const DeviceEntry& entry, int64_t now) {
    Remember(entry, now, true);
    KeepOrderAndBound();
}

bool RememberedAppliances::Forget(const MacAddress& mac) {
    const auto gone = std::remove_if(m_items.begin(), m_items.end(),
                                     [&](const RememberedAppliance& item) { return item.mac == mac; });
    const bool forgotten = gone != m_items.end();
    m_items.erase(gone, m_items.end());
    return forgotten;
}

void RememberedAppliances::Restore(std::vector<RememberedAppliance> items) {
    m_items.clear();
    for (RememberedAppliance& item : items) {
        const bool known = std::any_of(m_items.begin(), m_items.end(),
                                       [&](const RememberedAppliance& kept) { return kept.mac == item.mac; });
        if (!known && !IsNoMac(item.mac)) m_items.push_back(std::move(item));
    }
    KeepOrderAndBound();
}

std::vector<uint32_t> RememberedAppliances::AddressesToAsk() const {
    std::vector<uint32_t> addresses;
    for (const RememberedAppliance& item : m_items) {
        if (std::find(addresses.begin(), addresses.end(), item.address) == addresses.end())
            addresses.push_back(item.address);
    }
    return addresses;
}

std::vector<RememberedAppliance> RememberedAppliances::NotResponding(const std::list<DeviceEntry>& found) const {
    std::vector<RememberedAppliance> missing;
    for (const RememberedAppliance& item : m_items) {
        if (!ContainsMac(found, item.mac)) missing.push_back(item);
    }
    return missing;
}

void RememberedAppliances::Remember(const DeviceEntry& entry, int64_t now, bool added) {
    const MacAddress mac = MacOf(entry);
    if (IsNoMac(mac)) return;
    auto known = std::find_if(m_items.begin(), m_items.end(),
                              [&](const RememberedAppliance& item) { return item.mac == mac; });
    if (known == m_items.end()) known = m_items.insert(m_items.end(), RememberedAppliance{mac, "", 0, 0, false});
    known->name = BoundedText(entry.name, kMaxNameLength);
    known->address = entry.ipAddress;
    known->lastSeen = now;
    known->added = known->added || added;
}

void RememberedAppliances::KeepOrderAndBound() {
    std::stable_sort(m_items.begin(), m_items.end(), [](const RememberedAppliance& a, const RememberedAppliance& b) {
        return a.lastSeen > b.lastSeen;
    });
    while (m_items.size() > kMaxRememberedAppliances) {
        // The oldest appliance only seen goes first; the user's own additions only when nothing else is left.
        auto oldestSeen = std::find_if(m_items.rbegin(), m_items.rend(),
                                       [](const RememberedAppliance& item) { return !item.added; });
        m_items.erase(oldestSeen != m_items.rend() ? std::next(oldestSeen).base() : std::prev(m_items.end()));
    }
}

std::string EncodeRememberedAppliance(const RememberedAppliance& appliance) {
    return FormatIpText(appliance.address) + '\t' + std::to_string(appliance.lastSeen) + '\t' +
           (appliance.added ? "1" : "0") + '\t' + appliance.name;
}

std::optional<RememberedAppliance> DecodeRememberedAppliance(const std::string& macText, const std::string& data) {
    const auto mac = ParseMacText(macText);
    const size_t first = data.find('\t');
    const size_t second = first == std::string::npos ? first : data.find('\t', first + 1);
    const size_t third = second == std::string::npos ? second : data.find('\t', second + 1);
    if (!mac || third == std::string::npos) return std::nullopt;
    const auto address = ParseIpText(data.substr(0, first));
    const auto lastSeen = ParseDecimal(data.substr(first + 1, second - first - 1));
    const std::string added = data.substr(second + 1, third - second - 1);
    if (!address || !lastSeen || (added != "0" && added != "1")) return std::nullopt;
    const std::string name = data.substr(third + 1);
    return RememberedAppliance{*mac, BoundedText(name.c_str(), std::min(name.size(), kMaxNameLength)), *address,
                               *lastSeen, added == "1"};
}
