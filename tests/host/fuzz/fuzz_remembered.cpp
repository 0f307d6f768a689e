// A stored remembered appliance is read back from the user's registry, where anything may stand: any
// value name and data must decode or be refused without reading past them, and what decodes stores again
// as it read.
#include "discovery/remembered_appliances.h"
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\n');
    const std::string macText = input.substr(0, split);
    const std::string stored = split == std::string::npos ? std::string() : input.substr(split + 1);
    const auto appliance = DecodeRememberedAppliance(macText, stored);
    if (!appliance) return 0;
    if (appliance->name.size() > 63) __builtin_trap();
    const auto again = DecodeRememberedAppliance(FormatMacText(appliance->mac), EncodeRememberedAppliance(*appliance));
    if (!again || again->name != appliance->name || again->address != appliance->address ||
        again->lastSeen != appliance->lastSeen || again->added != appliance->added)
        __builtin_trap();
    return 0;
}
