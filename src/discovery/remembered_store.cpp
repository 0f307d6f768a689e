#include "discovery/remembered_store.h"
#include "framework/handles.h"
#include <windows.h>
#include <algorithm>
#include <string>
#include <vector>

const char kRememberedAppliancesKey[] = "Software\\Harborbox Quickmap\\Appliances";

RememberedAppliances LoadRememberedAppliances() {
    RememberedAppliances remembered;
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, kRememberedAppliancesKey, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return remembered;
    fw::unique_hkey key(opened);
    std::vector<RememberedAppliance> items;
    for (DWORD index = 0;; ++index) {
        char name[64];
        DWORD nameLength = sizeof name;
        BYTE data[512];
        DWORD dataLength = sizeof data - 1;
        DWORD type = 0;
        const LONG status = ::RegEnumValueA(key.get(), index, name, &nameLength, nullptr, &type, data, &dataLength);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ) continue;  // too long or foreign: not ours
        const std::string text(reinterpret_cast<const char*>(data), dataLength);
        if (auto item = DecodeRememberedAppliance(std::string(name, nameLength), text)) items.push_back(*item);
    }
    remembered.Restore(std::move(items));
    return remembered;
}

namespace {
std::vector<std::string> ValueNames(HKEY key) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameLength = sizeof name;
        const LONG status = ::RegEnumValueA(key, index, name, &nameLength, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status == ERROR_SUCCESS) names.emplace_back(name, nameLength);
    }
    return names;
}
}  // namespace

bool SaveRememberedAppliances(const RememberedAppliances& appliances) {
    HKEY created = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRememberedAppliancesKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                          &created, nullptr) != ERROR_SUCCESS)
        return false;
    fw::unique_hkey key(created);
    bool written = true;
    // Appliances forgotten or dropped since the last save go, and so does whatever else stands there.
    for (const std::string& name : ValueNames(key.get())) {
        const auto mac = ParseMacText(name);
        const auto& items = appliances.Items();
        const bool kept = mac && std::any_of(items.begin(), items.end(),
                                             [&](const RememberedAppliance& item) { return item.mac == *mac; });
        if (!kept) written = ::RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS && written;
    }
    for (const RememberedAppliance& item : appliances.Items()) {
        const std::string data = EncodeRememberedAppliance(item);
        written = ::RegSetValueExA(key.get(), FormatMacText(item.mac).c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(data.c_str()), DWORD(data.size() + 1)) ==
                      ERROR_SUCCESS &&
                  written;
    }
    return written;
}
