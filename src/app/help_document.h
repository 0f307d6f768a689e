// Hands a document out to a stream reader piece by piece, consuming it from the front.
#pragma once
#include <cstddef>
#include <string>

// Copies up to `capacity` bytes from the front of `document` into `buffer`, removes them and
// returns the count; 0 once the document is used up.
size_t TakeDocumentPiece(std::string& document, char* buffer, size_t capacity);
