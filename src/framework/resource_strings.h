// Texts from the string table, in the language variant the resource loader picks for this thread.
#pragma once
#include <windows.h>
#include <string>

std::string LoadResString(UINT id);

// String `formatId` (a printf format with one %s) with `value` put in; the value is only ever an argument.
std::string FormatResString(UINT formatId, const std::string& value);
