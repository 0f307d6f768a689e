#include "framework/resource_strings.h"
#include "framework/app.h"

std::string LoadResString(UINT id) {
    std::string text(256, '\0');
    for (;;) {
        int copied = ::LoadStringA(AfxGetInstanceHandle(), id, text.data(), static_cast<int>(text.size()));
        // A full buffer may mean a cut text: retry larger (table entries are at most 4096 characters).
        if (copied < static_cast<int>(text.size()) - 1 || text.size() > 8192) {
            text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
            return text;
        }
        text.resize(text.size() * 2);
    }
}
