// Arbitrary names as the network may send them through the checks that stand between a name and a path,
// an address or a file name, and through the network-path splitting and drop destinations built on them.
#include "common/network_names.h"
#include "copy/drop_routing.h"
#include "platform/unc_name.h"
#include <cstddef>
#include <cstdint>
#include <string>

namespace {
bool HasPathCharacter(const std::string& text) {
    for (const char c : text)
        if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = size ? data[0] % (size + 1) : 0;
    const std::string name = input.substr(0, split);
    const std::string rest = input.substr(split);

    // Whatever passes a check can no longer step out of the place it is put in.
    if (IsHostName(name) && (HasPathCharacter(name) || name.find(' ') != std::string::npos || name[0] == '-' ||
                             name.find("..") != std::string::npos))
        __builtin_trap();
    if (IsUsableShareName(name) && (HasPathCharacter(name) || name == "." || name == "..")) __builtin_trap();

    // The address is the name only when the name passed; otherwise the IP text.
    const std::string address = AddressNameOf(name, "10.0.0.1", (size & 1) != 0);
    if (address != "10.0.0.1" && (address != name || !IsHostName(name))) __builtin_trap();

    // A drop lands in a share of the addressed appliance, never elsewhere.
    const std::string destination = BuildDropDestination(address, rest);
    if (!destination.empty() && destination.compare(0, address.size() + 10, "\\\\" + address + "\\Shared ") != 0)
        __builtin_trap();

    // A network path that splits gives checked parts, and splits the same way again when rebuilt.
    UncName unc;
    if (SplitUncName(input, unc)) {
        if (!IsHostName(unc.server) || (!unc.share.empty() && !IsUsableShareName(unc.share))) __builtin_trap();
        UncName again;
        const std::string rebuilt = "\\\\" + unc.server + (unc.share.empty() ? "" : "\\" + unc.share);
        if (!SplitUncName(rebuilt, again) || again.server != unc.server || again.share != unc.share) __builtin_trap();
    }
    UncFromMountPoint(rest);
    MountPointFromUnixPath(rest);
    DriveLetterOf(rest);
    return 0;
}
