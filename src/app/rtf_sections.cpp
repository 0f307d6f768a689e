#include "app/rtf_sections.h"
#include <cstdio>

namespace {
std::string Escaped(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x80 || c < 0x20) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}
}  // namespace

std::string AppendRtfSections(const std::string& document, const std::vector<HelpSection>& sections) {
    std::string added;
    for (const HelpSection& section : sections) {
        added += "\\pard\\plain\\f0\\fs20\\b\\sb120\\sa60 " + Escaped(section.heading) + "\\par\n";
        for (const std::string& line : section.lines)
            added += "\\pard\\plain\\f0\\fs18\\fi-220\\li220\\tx220\\sa60 \\bullet\\tab " + Escaped(line) + "\\par\n";
    }
    // The document's last brace closes it; a document without one is left as it is.
    const size_t end = document.rfind('}');
    if (end == std::string::npos) return document;
    return document.substr(0, end) + added + document.substr(end);
}
