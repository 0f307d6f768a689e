#include "copy/copy_names.h"
#include "common/text_compare.h"
#include <algorithm>

namespace {
const char kCopyOf[] = "Copy of ";

// Length of a leading "Copy (n) of " with n of at most nine digits (so n + 1 always fits), else 0.
size_t NumberedPrefixLength(const std::string& name, int& number) {
    const std::string open = "Copy (";
    if (name.compare(0, open.size(), open) != 0) return 0;
    size_t end = open.size();
    number = 0;
    while (end < name.size() && end - open.size() < 9 && name[end] >= '0' && name[end] <= '9')
        number = number * 10 + (name[end++] - '0');
    const std::string close = ") of ";
    if (end == open.size() || name.compare(end, close.size(), close) != 0) return 0;
    return end + close.size();
}

std::string NextCopyFileName(const std::string& fileName) {
    // The extension is what follows the last dot, as the C runtime splits a name.
    const size_t dot = fileName.rfind('.');
    const std::string name = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    const std::string extension = dot == std::string::npos ? std::string() : fileName.substr(dot);
    int number = 0;
    if (name.compare(0, sizeof kCopyOf - 1, kCopyOf) == 0)
        return "Copy (1) of " + name.substr(sizeof kCopyOf - 1) + extension;
    if (const size_t prefix = NumberedPrefixLength(name, number))
        return "Copy (" + std::to_string(number + 1) + ") of " + name.substr(prefix) + extension;
    return kCopyOf + fileName;
}

size_t CountBackslashes(const std::string& text) { return std::count(text.begin(), text.end(), '\\'); }
}  // namespace

std::string MakeCopyName(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (nameStart == 0 && path.size() >= 2 && path[1] == ':') nameStart = 2;
    return path.substr(0, nameStart) + NextCopyFileName(path.substr(nameStart));
}

std::string LastPathPart(const std::string& path) {
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '\\') trimmed.pop_back();
    const size_t cut = trimmed.find_last_of("\\/:");
    return cut == std::string::npos ? trimmed : trimmed.substr(cut + 1);
}

void AddTrailingBackslash(std::string& path) {
    if (path.empty() || path.back() != '\\') path += '\\';
}

std::string LastFolderName(const std::string& pattern) {
    const size_t cut = pattern.rfind('\\');
    if (cut == std::string::npos) return std::string();
    const std::string folder = pattern.substr(0, cut);
    const size_t slash = folder.rfind('\\');
    return slash == std::string::npos ? std::string() : folder.substr(slash + 1);
}

int DepthLimitFor(const std::string& source, const std::string& destination) {
    // Inside means below the source folder itself, not merely a name that starts the same ("D:\A" and "D:\AB").
    if (source.empty() || destination.size() < source.size()) return -1;
    if (CompareNoCase(destination.substr(0, source.size()).c_str(), source.c_str()) != 0) return -1;
    const bool atBoundary = destination.size() == source.size() || source.back() == '\\' ||
                            destination[source.size()] == '\\';
    if (!atBoundary) return -1;
    return static_cast<int>(CountBackslashes(destination) - CountBackslashes(source));
}

bool IsParentFolderText(const std::string& source, const std::string& destination) {
    const size_t slash = source.rfind('\\');
    if (slash == std::string::npos) return false;
    return CompareNoCase(source.substr(0, slash).c_str(), destination.c_str()) == 0;
}
