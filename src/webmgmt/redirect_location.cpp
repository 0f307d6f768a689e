#include "webmgmt/redirect_location.h"

std::optional<std::string> RedirectLocation(const std::string& rawHeaders) {
    static const char kLocation[] = "Location: ";
    const size_t found = rawHeaders.find(kLocation);
    if (found == std::string::npos) return std::nullopt;
    const size_t start = found + sizeof kLocation - 1;
    const size_t end = rawHeaders.find_first_of("\r\n", start);
    return rawHeaders.substr(start, end == std::string::npos ? std::string::npos : end - start);
}
