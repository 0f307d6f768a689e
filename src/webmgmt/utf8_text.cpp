#include "webmgmt/utf8_text.h"
#include <windows.h>

std::string ToUtf8(const std::string& ansiText) {
    if (ansiText.empty()) return "";
    const int ansiLength = static_cast<int>(ansiText.size());
    const int wideLength = ::MultiByteToWideChar(CP_ACP, 0, ansiText.data(), ansiLength, nullptr, 0);
    if (wideLength <= 0) return "";
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, ansiText.data(), ansiLength, &wide[0], wideLength);
    const int utf8Length = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    if (utf8Length <= 0) return "";
    std::string utf8(static_cast<size_t>(utf8Length), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], utf8Length, nullptr, nullptr);
    // Like any C text, it ends at a zero byte.
    return utf8.substr(0, utf8.find('\0'));
}
