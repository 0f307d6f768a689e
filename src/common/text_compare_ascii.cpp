#include "common/text_compare.h"

namespace {
unsigned char Fold(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }
}  // namespace

int CompareNoCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        unsigned char ca = Fold(static_cast<unsigned char>(*a));
        unsigned char cb = Fold(static_cast<unsigned char>(*b));
        if (ca != cb || ca == 0) return ca < cb ? -1 : (ca > cb ? 1 : 0);
    }
}

std::string LowerCaseText(std::string text) {
    for (char& c : text) c = static_cast<char>(Fold(static_cast<unsigned char>(c)));
    return text;
}
