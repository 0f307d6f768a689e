#include "copy/copy_names.h"

namespace {
const wchar_t kCopyOf[] = L"Copy of ";
const wchar_t kPartialPrefix[] = L"~";
const wchar_t kPartialSuffix[] = L".qmpart";
const wchar_t kExtendedPrefix[] = L"\\\\?\\";
const wchar_t kExtendedUncPrefix[] = L"\\\\?\\UNC\\";
// A name may have 255 characters; the partial name, with "~" and ".qmpart", must fit as well.
constexpr size_t kMaxPartialStem = 255 - 8;

bool StartsWith(const std::wstring& text, const wchar_t* prefix) {
    return text.compare(0, std::char_traits<wchar_t>::length(prefix), prefix) == 0;
}

// Length of a leading "Copy (n) of " with n of at most nine digits (so n + 1 always fits), else 0.
size_t NumberedPrefixLength(const std::wstring& name, int& number) {
    const std::wstring open = L"Copy (";
    if (name.compare(0, open.size(), open) != 0) return 0;
    size_t end = open.size();
    number = 0;
    while (end < name.size() && end - open.size() < 9 && name[end] >= L'0' && name[end] <= L'9')
        number = number * 10 + (name[end++] - L'0');
    const std::wstring close = L") of ";
    if (end == open.size() || name.compare(end, close.size(), close) != 0) return 0;
    return end + close.size();
}

std::wstring NextCopyFileName(const std::wstring& fileName) {
    // The extension is what follows the last dot, as the C runtime splits a name.
    const size_t dot = fileName.rfind(L'.');
    const std::wstring name = dot == std::wstring::npos ? fileName : fileName.substr(0, dot);
    const std::wstring extension = dot == std::wstring::npos ? std::wstring() : fileName.substr(dot);
    int number = 0;
    if (StartsWith(name, kCopyOf)) return L"Copy (1) of " + name.substr(sizeof kCopyOf / sizeof(wchar_t) - 1) + extension;
    if (const size_t prefix = NumberedPrefixLength(name, number))
        return L"Copy (" + std::to_wstring(number + 1) + L") of " + name.substr(prefix) + extension;
    return kCopyOf + fileName;
}

size_t NameStart(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) return slash + 1;
    return path.size() >= 2 && path[1] == L':' ? 2 : 0;
}
}  // namespace

std::wstring MakeCopyName(const std::wstring& path) {
    const size_t nameStart = NameStart(path);
    return path.substr(0, nameStart) + NextCopyFileName(path.substr(nameStart));
}

std::wstring LastPathPart(const std::wstring& path) {
    std::wstring trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == L'\\') trimmed.pop_back();
    const size_t cut = trimmed.find_last_of(L"\\/:");
    return cut == std::wstring::npos ? trimmed : trimmed.substr(cut + 1);
}

std::wstring ParentPath(const std::wstring& path) {
    std::wstring trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == L'\\') trimmed.pop_back();
    const size_t cut = trimmed.rfind(L'\\');
    if (cut == std::wstring::npos) return std::wstring();
    std::wstring parent = trimmed.substr(0, cut);
    // "C:" or "\\?\C:" alone is a drive, not a folder: its root is "C:\".
    if (!parent.empty() && parent.back() == L':') parent += L'\\';
    // Above a share ("\\server\share" or "\\?\UNC\server\share") there is no folder.
    size_t serverStart = std::wstring::npos;
    if (StartsWith(parent, kExtendedUncPrefix))
        serverStart = 8;
    else if (StartsWith(parent, L"\\\\") && !StartsWith(parent, kExtendedPrefix))
        serverStart = 2;
    if (serverStart != std::wstring::npos && parent.find(L'\\', serverStart) == std::wstring::npos) return std::wstring();
    return parent;
}

void AddTrailingBackslash(std::wstring& path) {
    if (path.empty() || path.back() != L'\\') path += L'\\';
}

std::wstring ExtendedLengthPath(const std::wstring& path) {
    std::wstring result = path;
    for (wchar_t& c : result)
        if (c == L'/') c = L'\\';
    if (StartsWith(result, kExtendedPrefix)) return result;
    const bool drive = result.size() >= 3 && result[1] == L':' && result[2] == L'\\';
    const bool unc = result.size() > 2 && StartsWith(result, L"\\\\") && result[2] != L'\\' && result[2] != L'.';
    if (!drive && !unc) return path;
    // Below the root a trailing "\" would make a different name under the extended form.
    while (result.size() > 3 && result.back() == L'\\') result.pop_back();
    return drive ? kExtendedPrefix + result : kExtendedUncPrefix + result.substr(2);
}

std::wstring PlainPath(const std::wstring& path) {
    if (StartsWith(path, kExtendedUncPrefix)) return L"\\\\" + path.substr(8);
    if (StartsWith(path, kExtendedPrefix)) return path.substr(4);
    return path;
}

std::wstring PartialFileName(const std::wstring& finalName, unsigned variant) {
    if (variant == 0) return kPartialPrefix + finalName.substr(0, kMaxPartialStem) + kPartialSuffix;
    const std::wstring number = L"." + std::to_wstring(variant);
    return kPartialPrefix + finalName.substr(0, kMaxPartialStem - number.size()) + number + kPartialSuffix;
}

bool IsPartialFileName(const std::wstring& name) {
    const size_t suffix = std::char_traits<wchar_t>::length(kPartialSuffix);
    return name.size() > suffix + 1 && StartsWith(name, kPartialPrefix) &&
           name.compare(name.size() - suffix, suffix, kPartialSuffix) == 0;
}
