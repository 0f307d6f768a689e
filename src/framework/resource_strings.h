// Texts from the string table, in the language variant the resource loader picks for this thread.
#pragma once
#include <windows.h>
#include <cstdio>
#include <string>

std::string LoadResString(UINT id);

// A printf format of %s conversions with `values` put in, whatever their length; the values are only ever
// arguments, never part of the format.
template <typename... Strings>
std::string FormatText(const std::string& format, const Strings&... values) {
    const int length = std::snprintf(nullptr, 0, format.c_str(), values.c_str()...);
    if (length <= 0) return format;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format.c_str(), values.c_str()...);
    text.resize(static_cast<size_t>(length));
    return text;
}

// String `formatId` of the string table, a format of as many %s as there are `values`, filled in.
template <typename... Strings>
std::string FormatResString(UINT formatId, const Strings&... values) {
    return FormatText(LoadResString(formatId), values...);
}
