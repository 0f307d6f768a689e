#include "shares/share_names.h"
#include "common/text_compare.h"

namespace {
// Display and resource types of the Windows network (winnetwk.h).
constexpr unsigned kDisplayDomain = 1, kDisplayServer = 2, kDisplayShare = 3, kDisplayGroup = 5,
                   kDisplayNetwork = 6;
constexpr unsigned kTypeDisk = 1, kTypePrint = 2;

bool SameText(const std::string& a, const std::string& b) { return CompareNoCase(a.c_str(), b.c_str()) == 0; }
}  // namespace

std::string DisplayNameOf(const std::string& remoteName, const std::string& comment) {
    if (remoteName.empty()) return comment;
    if (remoteName.compare(0, 2, "\\\\") != 0) return remoteName;
    return remoteName.substr(remoteName.rfind('\\') + 1);
}

std::optional<std::string> AccessPathOf(const std::string& localName, const std::string& remoteName,
                                        const std::string& displayName) {
    if (remoteName.empty() || localName.empty() || displayName.empty()) return std::nullopt;
    return localName + "\\" + displayName;
}

int ImageForResource(unsigned displayType, unsigned type) {
    switch (displayType) {
    case kDisplayDomain:
    case kDisplayGroup: return 2;
    case kDisplayServer: return 3;
    case kDisplayShare: return type == kTypeDisk ? 4 : type == kTypePrint ? 5 : 6;
    case kDisplayNetwork: return 1;
    default: return 0;
    }
}

char DriveSuffixLetter(const std::vector<MappedDrive>& drives, const std::string& remoteName,
                       const std::string& accessPath) {
    for (const MappedDrive& drive : drives)
        if (!drive.universalPath.empty() &&
            (SameText(drive.universalPath, remoteName) || SameText(drive.universalPath, accessPath)))
            return drive.letter;
    return 0;
}

std::string TextWithDriveSuffix(const std::string& label, char letter) {
    return label + " (" + letter + ":)";
}

std::string FolderNameOf(const std::string& remoteName) {
    const size_t slash = remoteName.rfind('\\');
    return slash != std::string::npos && slash != 0 ? remoteName.substr(slash + 1) : remoteName;
}

std::string ShortcutName(const std::string& format, const std::string& folder, const std::string& deviceName,
                         const std::string& letter) {
    const std::string* values[] = {&folder, &deviceName, &letter};
    std::string name;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' && next < 3) {
            name += *values[next++];
            ++i;
        } else {
            name += format[i];
        }
    }
    return name;
}
