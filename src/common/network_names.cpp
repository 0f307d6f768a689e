#include "common/network_names.h"
#include <cstddef>

namespace {
constexpr size_t kMaxHostName = 63;

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Windows opens these as devices whatever folder or extension goes with them.
bool IsReservedDeviceName(const std::string& name) {
    std::string base = name.substr(0, name.find('.'));
    while (!base.empty() && base.back() == ' ') base.pop_back();
    for (char& c : base) c = UpperAscii(c);
    static const char* const kNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* reserved : kNames)
        if (base == reserved) return true;
    return base.size() == 4 && (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
           base[3] >= '1' && base[3] <= '9';
}
}  // namespace

bool IsHostName(const std::string& name) {
    if (name.empty() || name.size() > kMaxHostName) return false;
    bool labelStart = true;
    for (const char c : name) {
        if (c == '.') {
            if (labelStart) return false;  // a leading dot or an empty label
            labelStart = true;
            continue;
        }
        if (!IsAsciiLetter(c) && !IsDigit(c) && c != '-') return false;
        if (labelStart && c == '-') return false;
        labelStart = false;
    }
    return !labelStart;
}

bool IsUsableShareName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (const char c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) return false;
        switch (c) {
        case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|': return false;
        default: break;
        }
    }
    return !IsReservedDeviceName(name);
}

std::string AddressNameOf(const std::string& name, const std::string& ipText, bool nameSharedByAnother) {
    return !nameSharedByAnother && IsHostName(name) ? name : ipText;
}
