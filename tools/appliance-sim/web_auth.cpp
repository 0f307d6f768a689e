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

// The password as older Windows clients send it: each character of the UTF-8 text as one byte of the
// Western code page. None when a character has no such byte.
std::optional<std::string> latin1_form(const std::string& utf8) {
    std::string bytes;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            bytes += static_cast<char>(lead);
        } else if ((lead == 0xC2 || lead == 0xC3) && i + 1 < utf8.size()) {
            bytes += static_cast<char>(((lead & 0x03) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

}  // namespace

bool has_admin_credentials(const std::string& authorization, const WebSettings& settings) {
    static const std::string scheme = "Basic ";
    if (authorization.compare(0, scheme.size(), scheme) != 0) return false;
    const auto credentials = base64_decode(authorization.substr(scheme.size()));
    if (!credentials) return false;
    // The appliance takes the password in UTF-8 and in the Western code page alike.
    const auto latin1 = latin1_form(settings.admin_password);
    return *credentials == settings.admin_user + ":" + settings.admin_password ||
           (latin1 && *credentials == settings.admin_user + ":" + *latin1);
}

}  // namespace appliance_sim
