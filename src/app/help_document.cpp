#include "app/help_document.h"
#include <algorithm>
#include <cstring>

size_t TakeDocumentPiece(std::string& document, char* buffer, size_t capacity) {
    const size_t count = std::min(capacity, document.size());
    std::memcpy(buffer, document.data(), count);
    document.erase(0, count);
    return count;
}
