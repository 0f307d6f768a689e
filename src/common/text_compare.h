// Case-insensitive comparison of ANSI texts. On Windows it is multibyte-aware (lead and trail bytes of the
// active code page are never folded); the native build folds ASCII letters only.
#pragma once

int CompareNoCase(const char* a, const char* b);
