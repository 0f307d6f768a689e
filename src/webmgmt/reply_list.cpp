#include "webmgmt/reply_list.h"
#include "common/text_compare.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

std::string WithoutLeadingBlanks(const std::string& text) {
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    return text.substr(first);
}

std::string EscapeApostrophes(const std::string& name) {
    std::string escaped;
    for (char c : name) {
        if (c == '\'') escaped += '\\';
        escaped += c;
    }
    return escaped;
}

// Takes the item before the next comma and leaves the (blank-stripped) rest; without a comma the whole rest is
// the item and the rest stays as it is. Returns false when there was no comma.
bool TakeItem(std::string& rest, std::string& item) {
    const size_t comma = rest.find(',');
    if (comma == std::string::npos) {
        item = rest;
        return false;
    }
    item = rest.substr(0, comma);
    rest = WithoutLeadingBlanks(rest.substr(comma + 1));
    return true;
}
}  // namespace

int IndexOfListItem(const std::string& list, const std::string& name) {
    const std::string escaped = EscapeApostrophes(name);
    if (list.empty() || list.find(escaped) == std::string::npos) return -1;
    std::string rest = list;
    std::string item;
    for (int position = 0;; ++position) {
        const bool more = TakeItem(rest, item);
        if (CompareNoCase(item.c_str(), escaped.c_str()) == 0) return position;
        if (!more) return -1;
    }
}

std::string ListItemAt(const std::string& list, int position) {
    if (list.empty() || position < 0) return "";
    std::string rest = list;
    std::string item;
    for (int i = 0; i <= position; ++i) TakeItem(rest, item);
    return item;
}

std::string SplitFirstItem(std::string& list) {
    list = WithoutLeadingBlanks(list);
    std::string item;
    if (!TakeItem(list, item)) list.clear();
    return item;
}
