#include "shares/browser_path.h"

std::string BrowserPathFromCommand(const std::string& command) {
    std::string path = command;
    const size_t start = path.find_first_not_of(" \t\r\n");
    path = start == std::string::npos ? std::string() : path.substr(start);
    if (!path.empty()) {
        // The closing quote of the program, not the last quote of the line: arguments such as "%1" are
        // quoted too, and cutting at their quote would leave an unusable program path.
        const size_t closingQuote = path.find('"', 1);
        if (path[0] == '"' && closingQuote != std::string::npos) {
            path = path.substr(1, closingQuote - 1);
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
