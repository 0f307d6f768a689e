// Every language variant of the built program against its English original: nothing missing, every
// format kept, nothing left untranslated, the controls of every dialog in their English order.
#include "i18n/language_variants.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <regex>
#include <set>

using variants::Describe;
using variants::kEnglish;
using variants::Utf8;

namespace {
const LPCSTR kHelpType = "BIN";

// Texts a variant may share with English: names, words the language really spells the same, and
// nothing at all (a caption the program sets when it opens the window).
bool MaySameAsEnglish(LANGID language, const std::wstring& text) {
    static const std::set<std::wstring> names = {L"Harborbox Quickmap", L"OK"};
    if (text.empty() || names.count(text)) return true;
    const WORD primary = PRIMARYLANGID(language);
    return (primary == LANG_GERMAN && text == L"Harborbox Quickmap Version 1.0") ||
           (primary == LANG_DUTCH && text == L"Help") || (primary == LANG_ITALIAN && text == L"Password:");
}

// The printf conversions and line breaks of a text, in order: what a translation must keep.
std::vector<std::wstring> FormatOf(const std::wstring& text) {
    static const std::wregex token(L"%[-+ #0]*[0-9]*(\\.[0-9]+)?(hh|h|ll|l|I64)?[a-zA-Z%]|\n|\r");
    std::vector<std::wstring> tokens;
    for (auto it = std::wsregex_iterator(text.begin(), text.end(), token); it != std::wsregex_iterator(); ++it)
        tokens.push_back(it->str());
    return tokens;
}

std::string Joined(const std::vector<std::wstring>& tokens) {
    std::string joined;
    for (const std::wstring& token : tokens) joined += (token == L"\n" ? "\\n" : Utf8(token)) + " ";
    return joined;
}

// The ids of `all` that `some` lacks, as text.
template <typename Id>
std::string Difference(const std::vector<Id>& all, const std::vector<Id>& some) {
    std::string lacking;
    for (Id id : all)
        if (std::find(some.begin(), some.end(), id) == some.end()) lacking += std::to_string(id) + " ";
    return lacking;
}

class ResourceVariants : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(m_program, nullptr) << "Quickmap.exe is not built next to the test runner"; }
    HMODULE m_program = variants::Program();
};
}  // namespace

TEST_F(ResourceVariants, EveryVariantHasEveryEnglishStringDialogAndHelpDocumentAndNoOther) {
    const std::vector<UINT> englishStrings = variants::StringIds(m_program, kEnglish);
    ASSERT_GT(englishStrings.size(), 30u);
    const std::vector<LPCSTR> types = {RT_DIALOG, kHelpType};
    for (LPCSTR type : types) ASSERT_FALSE(variants::Names(m_program, type, kEnglish).empty());
    for (const variants::Variant& variant : variants::All()) {
        SCOPED_TRACE(Describe(variant.id));
        const std::vector<UINT> strings = variants::StringIds(m_program, variant.id);
        EXPECT_EQ(Difference(englishStrings, strings), "") << "strings missing";
        EXPECT_EQ(Difference(strings, englishStrings), "") << "strings not in English";
        for (LPCSTR type : types) {
            const auto english = variants::Names(m_program, type, kEnglish);
            const auto own = variants::Names(m_program, type, variant.id);
            const char* what = type == RT_DIALOG ? "dialogs" : "help documents";
            EXPECT_EQ(Difference(english, own), "") << what << " missing";
            EXPECT_EQ(Difference(own, english), "") << what << " not in English";
        }
    }
}

TEST_F(ResourceVariants, StringsKeepTheFormatOfEnglishAndAreTranslated) {
    for (UINT id : variants::StringIds(m_program, kEnglish)) {
        const std::wstring english = variants::String(m_program, kEnglish, id);
        for (const variants::Variant& variant : variants::All()) {
            std::wstring text;
            if (variant.id == kEnglish || !variants::FindString(m_program, variant.id, id, &text)) continue;
            EXPECT_EQ(Joined(FormatOf(text)), Joined(FormatOf(english)))
                << Describe(variant.id) << ", string " << id << ": \"" << Utf8(text) << "\"";
            EXPECT_TRUE(text != english || MaySameAsEnglish(variant.id, text))
                << Describe(variant.id) << ", string " << id << " is the English \"" << Utf8(english) << "\"";
        }
    }
}

TEST_F(ResourceVariants, DialogsKeepTheEnglishControlsInTheirOrderAndAreTranslated) {
    for (WORD dialogId : variants::Names(m_program, RT_DIALOG, kEnglish)) {
        HWND english = variants::CreateDialogOf(m_program, dialogId, kEnglish);
        ASSERT_NE(english, nullptr) << "dialog " << dialogId;
        const std::vector<variants::Control> originals = variants::Controls(english);
        for (const variants::Variant& variant : variants::All()) {
            if (variant.id == kEnglish) continue;
            SCOPED_TRACE(Describe(variant.id) + ", dialog " + std::to_string(dialogId));
            HWND dialog = variants::CreateDialogOf(m_program, dialogId, variant.id);
            if (!dialog) continue;  // reported by the test of missing resources
            const std::wstring caption = variants::WideText(dialog);
            if (dialogId == IDD_QUICKMAP_DIALOG)
                EXPECT_EQ(Utf8(caption), "Harborbox Quickmap") << "other instances find the window by it";
            else
                EXPECT_TRUE(caption != variants::WideText(english) || MaySameAsEnglish(variant.id, caption))
                    << "caption is the English \"" << Utf8(caption) << "\"";
            const std::vector<variants::Control> controls = variants::Controls(dialog);
            ASSERT_EQ(controls.size(), originals.size());
            for (size_t i = 0; i < controls.size(); ++i) {
                const variants::Control& control = controls[i];
                const variants::Control& original = originals[i];
                EXPECT_EQ(control.id, original.id) << "control " << i << " (tab order)";
                EXPECT_EQ(control.className, original.className) << "control " << original.id;
                EXPECT_EQ(control.style & 0xFFFF, original.style & 0xFFFF) << "control " << original.id;
                // No text, or a picture's resource ordinal: the same in every language.
                if (original.text.empty() || original.text[0] == 0xFFFF)
                    EXPECT_EQ(Utf8(control.text), Utf8(original.text)) << "control " << original.id;
                else
                    EXPECT_TRUE(control.text != original.text || MaySameAsEnglish(variant.id, control.text))
                        << "control " << original.id << " is the English \"" << Utf8(original.text) << "\"";
            }
            ::DestroyWindow(dialog);
        }
        ::DestroyWindow(english);
    }
}

TEST_F(ResourceVariants, HelpDocumentsAreTranslatedRtfInCodePage1252) {
    for (WORD documentId : variants::Names(m_program, kHelpType, kEnglish)) {
        const std::wstring english =
            variants::RtfPlainText(variants::Bytes(m_program, kHelpType, documentId, kEnglish));
        ASSERT_GT(english.size(), 100u);
        for (const variants::Variant& variant : variants::All()) {
            SCOPED_TRACE(Describe(variant.id) + ", help document " + std::to_string(documentId));
            const std::string rtf = variants::Bytes(m_program, kHelpType, documentId, variant.id);
            EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
            if (variant.id != kEnglish) {
                EXPECT_NE(variants::RtfPlainText(rtf), english);
            }
        }
    }
}

TEST_F(ResourceVariants, PicturesAndTheVersionRecordExistInEnglishOnly) {
    for (LPCSTR type : std::vector<LPCSTR>{RT_GROUP_ICON, RT_ICON, RT_BITMAP, RT_VERSION, "AVI"}) {
        std::set<WORD> names;
        for (const variants::Variant& variant : variants::All())
            for (WORD name : variants::Names(m_program, type, variant.id)) names.insert(name);
        for (WORD name : names)
            EXPECT_EQ(variants::Languages(m_program, type, name), std::vector<LANGID>{kEnglish})
                << "resource type " << reinterpret_cast<ULONG_PTR>(type) << ", name " << name;
    }
}

namespace {
// Every text a variant shows: its strings, the texts of its dialogs and its help documents, lower-cased.
std::wstring EverythingSaidIn(HMODULE program, LANGID language) {
    std::wstring all;
    for (UINT id : variants::StringIds(program, language)) all += variants::String(program, language, id) + L"\n";
    for (WORD dialogId : variants::Names(program, RT_DIALOG, language)) {
        HWND dialog = variants::CreateDialogOf(program, dialogId, language);
        for (const variants::Control& control : variants::Controls(dialog)) all += control.text + L"\n";
        ::DestroyWindow(dialog);
    }
    for (WORD documentId : variants::Names(program, kHelpType, language))
        all += variants::RtfPlainText(variants::Bytes(program, kHelpType, documentId, language)) + L"\n";
    ::CharLowerBuffW(all.data(), static_cast<DWORD>(all.size()));
    return all;
}

std::set<std::wstring> WordsOf(const std::wstring& text) {
    static const std::wregex word(L"[^\\s]{3,}");
    std::set<std::wstring> words;
    for (auto it = std::wsregex_iterator(text.begin(), text.end(), word); it != std::wsregex_iterator(); ++it) {
        std::wstring w = it->str();
        ::CharLowerBuffW(w.data(), static_cast<DWORD>(w.size()));
        words.insert(w);
    }
    return words;
}
}  // namespace

// The help documents call the appliance masculine; strings and dialogs must not switch to the feminine.
TEST_F(ResourceVariants, TheApplianceKeepsOneGrammaticalGenderInEachLanguage) {
    const struct {
        WORD primary;
        std::vector<std::wstring> feminine;
    } languages[] = {
        {LANG_SPANISH, {L"la", L"una", L"esta", L"esa"}},
        {LANG_FRENCH, {L"la", L"une", L"cette"}},
        {LANG_ITALIAN, {L"la", L"una", L"questa", L"alla", L"nella", L"dalla", L"della", L"sulla"}},
    };
    for (const variants::Variant& variant : variants::All()) {
        for (const auto& language : languages) {
            if (PRIMARYLANGID(variant.id) != language.primary) continue;
            const std::wstring all = EverythingSaidIn(m_program, variant.id);
            for (const std::wstring& article : language.feminine)
                EXPECT_EQ(all.find(article + L" harborbox"), std::wstring::npos)
                    << Describe(variant.id) << ": \"" << Utf8(article) << " Harborbox\"";
        }
    }
}

// Deleting a shared folder erases its data; the menu beside it that only disconnects a drive letter must not
// read like it.
TEST_F(ResourceVariants, RemovingADriveLetterAndDeletingAFolderShareNoWord) {
    for (const variants::Variant& variant : variants::All()) {
        const std::set<std::wstring> remove = WordsOf(variants::String(m_program, variant.id, IDS_MENU_REMOVE_DRIVE));
        for (const std::wstring& word : WordsOf(variants::String(m_program, variant.id, IDS_MENU_DELETE_SHARE)))
            EXPECT_EQ(remove.count(word), 0u) << Describe(variant.id) << ": \"" << Utf8(word) << "\"";
    }
}
