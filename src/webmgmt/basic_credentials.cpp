#include "webmgmt/basic_credentials.h"

namespace {
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::string Base64(const std::string& bytes) {
    std::string encoded;
    size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned group = static_cast<unsigned char>(bytes[i]) << 16 |
                               static_cast<unsigned char>(bytes[i + 1]) << 8 | static_cast<unsigned char>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6) encoded += kAlphabet[(group >> shift) & 0x3F];
    }
    const size_t left = bytes.size() - i;
    if (left == 0) return encoded;
    unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
    if (left == 2) group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    encoded += kAlphabet[(group >> 18) & 0x3F];
    encoded += kAlphabet[(group >> 12) & 0x3F];
    encoded += left == 2 ? kAlphabet[(group >> 6) & 0x3F] : '=';
    encoded += '=';
    return encoded;
}
}  // namespace

std::string BasicAuthorization(const std::string& userName, const std::string& password) {
    return "Basic " + Base64(userName + ":" + password);
}
