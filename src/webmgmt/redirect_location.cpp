#include "webmgmt/redirect_location.h"
#include <cctype>

namespace {
bool StartsWithNoCase(const std::string& text, size_t at, const char* prefix) {
    for (; *prefix; ++prefix, ++at)
        if (at >= text.size() || std::tolower(static_cast<unsigned char>(text[at])) != *prefix) return false;
    return true;
}
}  // namespace

std::optional<std::string> RedirectLocation(const std::string& rawHeaders) {
    static const char kName[] = "location:";
    for (size_t line = 0; line < rawHeaders.size();) {
        const size_t end = rawHeaders.find_first_of("\r\n", line);
        const size_t lineEnd = end == std::string::npos ? rawHeaders.size() : end;
        if (StartsWithNoCase(rawHeaders, line, kName)) {
            size_t start = line + sizeof kName - 1;
            while (start < lineEnd && (rawHeaders[start] == ' ' || rawHeaders[start] == '\t')) ++start;
            return rawHeaders.substr(start, lineEnd - start);
        }
        line = rawHeaders.find_first_not_of("\r\n", lineEnd);
        if (line == std::string::npos) break;
    }
    return std::nullopt;
}
