#include "common/text_compare.h"

int CompareNoCase(const char* a, const char* b) {
    auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; };
    for (;; ++a, ++b) {
        unsigned char ca = fold(static_cast<unsigned char>(*a));
        unsigned char cb = fold(static_cast<unsigned char>(*b));
        if (ca != cb || ca == 0) return ca < cb ? -1 : (ca > cb ? 1 : 0);
    }
}
