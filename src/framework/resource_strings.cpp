#include "framework/resource_strings.h"
#include "framework/app.h"
#include <cstdio>
#include <vector>

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

std::string FormatResString(UINT formatId, const std::string& value) {
    const std::string format = LoadResString(formatId);
    std::vector<char> text(format.size() + value.size() + 1);
    std::snprintf(text.data(), text.size(), format.c_str(), value.c_str());
    return text.data();
}
