#include "platform/remembered_connections.h"
#include "framework/handles.h"
#include "framework/test_bed_guard.h"
#include "platform/wine_drives.h"
#include <windows.h>

namespace {
const char kNetworkKey[] = "Network";
constexpr DWORD kProviderTypeLanman = 0x20000;  // WNNC_NET_LANMAN
constexpr DWORD kConnectionTypeDisk = 1;

std::string LetterKey(char letter) { return std::string(kNetworkKey) + "\\" + letter; }

std::string ReadString(HKEY key, const char* name) {
    char value[1024] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) != ERROR_SUCCESS ||
        type != REG_SZ)
        return std::string();
    return value;
}
}  // namespace

void RememberConnection(char letter, const std::string& remotePath, const std::string& provider) {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, LetterKey(letter).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &raw,
                          nullptr) != ERROR_SUCCESS)
        return;
    fw::unique_hkey key(raw);
    const auto text = [&](const char* name, const std::string& value) {
        ::RegSetValueExA(raw, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         static_cast<DWORD>(value.size() + 1));
    };
    const auto number = [&](const char* name, DWORD value) {
        ::RegSetValueExA(raw, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    };
    text("RemotePath", remotePath);
    text("ProviderName", provider);
    number("ProviderType", kProviderTypeLanman);
    number("ConnectionType", kConnectionTypeDisk);
}

void ForgetConnection(char letter) { ::RegDeleteKeyA(HKEY_CURRENT_USER, LetterKey(letter).c_str()); }

bool IsRemembered(char letter) {
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, LetterKey(letter).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(raw);
    return true;
}

std::vector<RememberedConnection> RememberedConnections() {
    std::vector<RememberedConnection> connections;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        HKEY raw = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, LetterKey(letter).c_str(), 0, KEY_READ, &raw) != ERROR_SUCCESS)
            continue;
        fw::unique_hkey key(raw);
        connections.push_back({letter, ReadString(raw, "RemotePath")});
    }
    return connections;
}

void RestoreRememberedConnections() {
    if (!IsRunningUnderWine()) return;
    const DWORD present = ::GetLogicalDrives();
    for (const RememberedConnection& connection : RememberedConnections()) {
        if (present & (1u << (connection.letter - 'A'))) continue;
        // A share that is gone stays remembered and unavailable, as Windows keeps it.
        DefineNetworkDrive(connection.letter, MountPointOfShare(connection.remotePath));
    }
}
