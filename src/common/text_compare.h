// Case-insensitive comparison and lower-casing of ANSI texts. On Windows both follow the active code page
// (lead and trail bytes are never folded); the native build folds ASCII letters only.
#pragma once
#include <string>

int CompareNoCase(const char* a, const char* b);
std::string LowerCaseText(std::string text);
