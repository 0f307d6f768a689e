#include "platform/unc_name.h"
#include "common/network_names.h"

namespace {
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
}  // namespace

bool SplitUncName(const std::string& text, UncName& name) {
    if (text.size() < 3 || text[0] != '\\' || text[1] != '\\') return false;
    std::string rest = text.substr(2);
    if (!rest.empty() && rest.back() == '\\') rest.pop_back();
    const size_t slash = rest.find('\\');
    UncName result;
    result.server = rest.substr(0, slash);
    if (slash != std::string::npos) result.share = rest.substr(slash + 1);
    if (result.server.empty() || result.share.find('\\') != std::string::npos) return false;
    if (slash != std::string::npos && result.share.empty()) return false;
    // Names from the network never lead outside the namespace or to a device.
    if (!IsHostName(result.server) || (!result.share.empty() && !IsUsableShareName(result.share))) return false;
    name = result;
    return true;
}

std::string MountPointFromUnixPath(const std::string& unixPath) {
    static const std::string marker = "/dosdevices/unc/";
    const size_t at = unixPath.rfind(marker);
    if (at == std::string::npos) return std::string();
    const std::string mount = unixPath.substr(at + marker.size() - 4);
    UncName name;
    return SplitUncName(UncFromMountPoint(mount), name) && !name.share.empty() ? mount : std::string();
}

std::string UncFromMountPoint(const std::string& mountPoint) {
    if (mountPoint.compare(0, 4, "unc/") != 0 || mountPoint.size() == 4) return std::string();
    std::string unc = "\\\\" + mountPoint.substr(4);
    for (char& c : unc)
        if (c == '/') c = '\\';
    return unc;
}

char DriveLetterOf(const std::string& device) {
    if (device.size() != 2 || device[1] != ':' || !IsLetter(device[0])) return 0;
    return static_cast<char>(device[0] & ~0x20);
}
