#include "shares/browser_path.h"

std::string BrowserPathFromCommand(const std::string& command) {
    std::string path = command;
    const size_t start = path.find_first_not_of(" \t\r\n");
    path = start == std::string::npos ? std::string() : path.substr(start);
    if (!path.empty()) {
        const size_t lastQuote = path.rfind('"');
        if (path[0] == '"' && lastQuote != std::string::npos && lastQuote > 0) {
            path = path.substr(1, lastQuote - 1);
        } else {
            const size_t backslash = path.rfind('\\');
            if (backslash != std::string::npos && backslash > 0) {
                const size_t space = path.find(' ', backslash);
                if (space != std::string::npos && space > 0) path = path.substr(0, space);
            }
        }
    }
    for (char& c : path)
        if (c >= 'A' && c <= 'Z') c = char(c + ('a' - 'A'));
    if (path.empty() || path.find(".exe") == std::string::npos) return "iexplore";
    return path;
}
