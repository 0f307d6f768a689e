// The resource language variants of a module, each read by its language id rather than through the
// thread locale, so one process can look at all of them.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace variants {

struct Variant {
    LANGID id;
    const char* name;
};

constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// The 18 variants, English (United States) first.
const std::vector<Variant>& All();

// Quickmap.exe as built, loaded as data next to the test runner; null when it is missing.
HMODULE Program();

// Integer names of the resources of `type` that exist in `language`.
std::vector<WORD> Names(HMODULE module, LPCSTR type, LANGID language);
// Languages in which resource `type`/`name` exists.
std::vector<LANGID> Languages(HMODULE module, LPCSTR type, WORD name);
// The resource's bytes in exactly that language; empty when it is missing.
std::string Bytes(HMODULE module, LPCSTR type, WORD name, LANGID language);

// Ids of every string of the variant's string table.
std::vector<UINT> StringIds(HMODULE module, LANGID language);
// A string of the variant's string table; false when the variant lacks it.
bool FindString(HMODULE module, LANGID language, UINT id, std::wstring* text);
std::wstring String(HMODULE module, LANGID language, UINT id);

// A dialog created hidden from the variant's template, without owner; null when the template is missing.
HWND CreateDialogOf(HMODULE module, WORD id, LANGID language);

struct Control {
    HWND hwnd;
    int id;
    std::string className;
    LONG style;
    std::wstring text;
};
// The dialog's controls in template order, which is also their tab order.
std::vector<Control> Controls(HWND dialog);
std::wstring WideText(HWND hwnd);

// The plain text a rich edit view shows for an RTF document.
std::wstring RtfPlainText(const std::string& rtf);

std::string Utf8(const std::wstring& text);
std::string Describe(LANGID language);  // "German (0x0807)"

}  // namespace variants
