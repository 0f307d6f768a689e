#include "discovery/remembered_store.h"
#include "framework/handles.h"
#include <windows.h>
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

bool SaveRememberedAppliances(const RememberedAppliances& appliances) {
    // A fresh key drops the values of appliances forgotten since.
    ::RegDeleteKeyA(HKEY_CURRENT_USER, kRememberedAppliancesKey);
    HKEY created = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, kRememberedAppliancesKey, 0, nullptr, 0, KEY_WRITE, nullptr, &created,
                          nullptr) != ERROR_SUCCESS)
        return false;
    fw::unique_hkey key(created);
    bool written = true;
    for (const RememberedAppliance& item : appliances.Items()) {
        const std::string data = EncodeRememberedAppliance(item);
        written = ::RegSetValueExA(key.get(), FormatMacText(item.mac).c_str(), 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(data.c_str()), DWORD(data.size() + 1)) ==
                      ERROR_SUCCESS &&
                  written;
    }
    return written;
}
