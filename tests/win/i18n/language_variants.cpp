#include "i18n/language_variants.h"
#include <commctrl.h>
#include <richedit.h>
#include <algorithm>
#include <cstdio>

namespace variants {

const std::vector<Variant>& All() {
    static const std::vector<Variant> all = {
        {0x0409, "English (United States)"}, {0x0407, "German (Germany)"},   {0x0807, "German (Switzerland)"},
        {0x0C07, "German (Austria)"},        {0x040A, "Spanish (Spain, traditional)"},
        {0x080A, "Spanish (Mexico)"},        {0x0C0A, "Spanish (Spain)"},    {0x040C, "French (France)"},
        {0x080C, "French (Belgium)"},        {0x0C0C, "French (Canada)"},    {0x100C, "French (Switzerland)"},
        {0x0410, "Italian (Italy)"},         {0x0810, "Italian (Switzerland)"},
        {0x0413, "Dutch (Netherlands)"},     {0x0813, "Dutch (Belgium)"},    {0x0414, "Norwegian (Bokmal)"},
        {0x0814, "Norwegian (Nynorsk)"},     {0x041D, "Swedish"},
    };
    return all;
}

HMODULE Program() {
    static HMODULE program = [] {
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string exe(path);
        // build/windows/tests/win/quickmap_win_tests.exe -> build/windows/Quickmap.exe
        for (int up = 0; up < 3; ++up) exe.erase(exe.find_last_of('\\'));
        exe += "\\Quickmap.exe";
        return ::LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }();
    return program;
}

namespace {
struct NameSearch {
    HMODULE module;
    LANGID language;
    std::vector<WORD> names;
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR context) {
    reinterpret_cast<std::vector<LANGID>*>(context)->push_back(language);
    return TRUE;
}
}  // namespace

std::vector<WORD> Names(HMODULE module, LPCSTR type, LANGID language) {
    NameSearch search{module, language, {}};
    ::EnumResourceNamesA(
        module, type,
        [](HMODULE m, LPCSTR t, LPSTR name, LONG_PTR context) -> BOOL {
            auto* s = reinterpret_cast<NameSearch*>(context);
            if (IS_INTRESOURCE(name) && ::FindResourceExA(m, t, name, s->language))
                s->names.push_back(static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&search));
    return search.names;
}

std::vector<LANGID> Languages(HMODULE module, LPCSTR type, WORD name) {
    std::vector<LANGID> languages;
    ::EnumResourceLanguagesA(module, type, MAKEINTRESOURCEA(name), CollectLanguage,
                             reinterpret_cast<LONG_PTR>(&languages));
    return languages;
}

std::string Bytes(HMODULE module, LPCSTR type, WORD name, LANGID language) {
    HRSRC found = ::FindResourceExA(module, type, MAKEINTRESOURCEA(name), language);
    if (!found) return {};
    const void* data = ::LockResource(::LoadResource(module, found));
    return data ? std::string(static_cast<const char*>(data), ::SizeofResource(module, found)) : std::string();
}

namespace {
// A string table block holds 16 counted strings; an empty one is a missing string.
std::vector<std::wstring> Block(HMODULE module, LANGID language, WORD block) {
    const std::string bytes = Bytes(module, RT_STRING, block, language);
    std::vector<std::wstring> strings;
    const auto* at = reinterpret_cast<const WCHAR*>(bytes.data());
    const auto* end = at + bytes.size() / sizeof(WCHAR);
    for (int i = 0; i < 16 && at < end; ++i) {
        const WORD length = *at++;
        strings.emplace_back(at, at + length);
        at += length;
    }
    if (!bytes.empty()) strings.resize(16);
    return strings;
}
}  // namespace

std::vector<UINT> StringIds(HMODULE module, LANGID language) {
    std::vector<UINT> ids;
    for (WORD block : Names(module, RT_STRING, language)) {
        const std::vector<std::wstring> strings = Block(module, language, block);
        for (size_t i = 0; i < strings.size(); ++i)
            if (!strings[i].empty()) ids.push_back((block - 1u) * 16u + static_cast<UINT>(i));
    }
    return ids;
}

bool FindString(HMODULE module, LANGID language, UINT id, std::wstring* text) {
    const std::vector<std::wstring> strings = Block(module, language, static_cast<WORD>(id / 16 + 1));
    if (strings.empty() || strings[id % 16].empty()) return false;
    *text = strings[id % 16];
    return true;
}

std::wstring String(HMODULE module, LANGID language, UINT id) {
    std::wstring text;
    FindString(module, language, id, &text);
    return text;
}

HWND CreateDialogOf(HMODULE module, WORD id, LANGID language) {
    const std::string bytes = Bytes(module, RT_DIALOG, id, language);
    if (bytes.empty()) return nullptr;
    // Without WS_VISIBLE, so that no variant ever shows; the layout does not depend on it.
    std::string hidden = bytes;
    auto* ex = reinterpret_cast<DWORD*>(hidden.data());
    DWORD& style = ex[0] == 0xFFFF0001u ? ex[3] : ex[0];  // DLGTEMPLATEEX: version and signature first
    style &= ~static_cast<DWORD>(WS_VISIBLE);
    return ::CreateDialogIndirectParamW(
        module, reinterpret_cast<const DLGTEMPLATE*>(hidden.data()), nullptr,
        [](HWND, UINT message, WPARAM, LPARAM) -> INT_PTR { return message == WM_INITDIALOG; }, 0);
}

std::wstring WideText(HWND hwnd) {
    const int length = ::GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

std::vector<Control> Controls(HWND dialog) {
    std::vector<Control> controls;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[64] = {};
        ::GetClassNameA(child, className, sizeof className);
        controls.push_back({child, ::GetDlgCtrlID(child), className,
                            static_cast<LONG>(::GetWindowLongPtrA(child, GWL_STYLE)), WideText(child)});
    }
    return controls;
}

std::wstring RtfPlainText(const std::string& rtf) {
    static const HMODULE library = ::LoadLibraryA("riched20.dll");
    (void)library;
    HWND view = ::CreateWindowExA(0, RICHEDIT_CLASSA, "", ES_MULTILINE, 0, 0, 400, 400, nullptr, nullptr, nullptr,
                                  nullptr);
    struct Source {
        const std::string* text;
        size_t at;
    } source{&rtf, 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = [](DWORD_PTR cookie, BYTE* buffer, LONG capacity, LONG* copied) -> DWORD {
        auto* s = reinterpret_cast<Source*>(cookie);
        const size_t count = std::min(static_cast<size_t>(capacity), s->text->size() - s->at);
        std::copy_n(s->text->data() + s->at, count, buffer);
        s->at += count;
        *copied = static_cast<LONG>(count);
        return 0;
    };
    ::SendMessageA(view, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    std::wstring text = WideText(view);
    ::DestroyWindow(view);
    return text;
}

std::string Utf8(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr,
                          nullptr);
    return utf8;
}

std::string Describe(LANGID language) {
    for (const Variant& variant : All()) {
        if (variant.id != language) continue;
        char text[96];
        std::snprintf(text, sizeof text, "%s (0x%04X)", variant.name, language);
        return text;
    }
    char text[32];
    std::snprintf(text, sizeof text, "language 0x%04X", language);
    return text;
}

}  // namespace variants
