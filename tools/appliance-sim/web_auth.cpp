#include "web_auth.h"

#include <optional>

namespace appliance_sim {
namespace {

std::optional<std::string> base64_decode(const std::string& text) {
    static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string decoded;
    unsigned bits = 0;
    int bit_count = 0;
    std::size_t end = text.find_last_not_of('=');
    end = end == std::string::npos ? 0 : end + 1;
    if (text.size() - end > 2) return std::nullopt;
    for (std::size_t i = 0; i < end; ++i) {
        const auto value = alphabet.find(text[i]);
        if (value == std::string::npos) return std::nullopt;
        bits = (bits << 6) | static_cast<unsigned>(value);
        bit_count += 6;
        if (bit_count >= 8) {
            bit_count -= 8;
            decoded += static_cast<char>((bits >> bit_count) & 0xFF);
        }
    }
    return decoded;
}

}  // namespace

bool has_admin_credentials(const std::string& authorization, const WebSettings& settings) {
    static const std::string scheme = "Basic ";
    if (authorization.compare(0, scheme.size(), scheme) != 0) return false;
    const auto credentials = base64_decode(authorization.substr(scheme.size()));
    return credentials && *credentials == settings.admin_user + ":" + settings.admin_password;
}

}  // namespace appliance_sim
