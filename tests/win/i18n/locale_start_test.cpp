// Quickmap started under the system locale the test bed gave this process (LANG): the wizard window, the
// tray menu and the help window in that locale's variant, and the language it tells an appliance.
#include "app/app_globals.h"
#include "app/help_dlg.h"
#include "app/quickmap_app.h"
#include "app/tray_icon.h"
#include "framework/thread_language.h"
#include "app/wizard_fixture.h"
#include "i18n/language_variants.h"
#include "res/resource.h"
#include "test_bed.h"
#include <richedit.h>
#include <commctrl.h>
#include <cstring>
#include <ctime>

using variants::Utf8;

namespace {
struct ExpectedLocale {
    const char* unixLocale;
    LCID locale;
    const char* language;
};

const ExpectedLocale* Expected() {
    static const ExpectedLocale table[] = {
        {"de_DE.UTF-8", 0x0407, "German"},
        {"de_CH.UTF-8", 0x0807, "German"},
        {"fr_CA.UTF-8", 0x0C0C, "French"},
        {"nn_NO.UTF-8", 0x0814, "Norwegian"},
    };
    const std::string lang = testbed::Env("LANG");
    for (const ExpectedLocale& entry : table)
        if (lang == entry.unixLocale) return &entry;
    return nullptr;
}

std::wstring Wide(const std::string& ansi) {
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(static_cast<size_t>(
        ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                              static_cast<int>(wide.size()))));
    return wide;
}

// The box a worker shows when asked to rename an appliance that already has its unique name: the worker
// loads the text, the window thread only shows it.
std::wstring WorkersRenameBox(CQuickmapDlg& window, testbed::MessageBoxAnswerer& boxes) {
    DeviceEntry entry{};
    CopyToField(entry.name, "harborbox-3456", 14);
    CopyToField(entry.ipText, "10.77.0.2", 9);
    const uint8_t data[8] = {0, 0, 0x00, 0x11, 0x32, 0xAA, 0x34, 0x56};
    std::memcpy(entry.deviceData, data, sizeof data);
    DeviceRegistry listed;
    listed.devices.push_back(entry);
    listed.deviceCount = 1;
    window.OnScanFinished(listed, ScanPurpose::DeviceList);
    ::SendMessageA(window.m_hWnd, WM_COMMAND, ID_DEVICE_UNIQUE_NAME, 0);
    testbed::PumpUntil([&] { return !window.State().IsBusy() && !boxes.Texts().empty(); }, 15000);
    return boxes.Texts().empty() ? std::wstring() : Wide(boxes.Texts().front());
}

std::wstring RenameBoxIn(LANGID language) {
    std::wstring text = variants::String(::GetModuleHandleA(nullptr), language, IDS_ALREADY_UNIQUE);
    return text.replace(text.find(L"%s"), 2, L"Harborbox-3456");
}
}  // namespace

class LocaleStart : public WizardFixture {
protected:
    static void SetUpTestSuite() { ApplySystemLanguage(); }
    static void TearDownTestSuite() {
        fw::SetProgramLanguage(MAKELCID(variants::kEnglish, SORT_DEFAULT));
        g_strLanguage = "English";
    }
    void SetUp() override {
        m_expected = Expected();
        ASSERT_NE(m_expected, nullptr) << "run with LANG set to a locale of the table, not " << testbed::Env("LANG");
        WizardFixture::SetUp();
    }
    // A string as the variant of the expected locale has it, and checked to differ from English.
    std::wstring Translated(UINT id) {
        const std::wstring text = variants::String(Module(), Language(), id);
        EXPECT_NE(text, variants::String(Module(), variants::kEnglish, id)) << "string " << id;
        return text;
    }
    static HMODULE Module() { return ::GetModuleHandleA(nullptr); }
    LANGID Language() const { return LANGIDFROMLCID(m_expected->locale); }

    const ExpectedLocale* m_expected = nullptr;
};

TEST_F(LocaleStart, TheSystemLocaleChoosesTheLanguage) {
    EXPECT_EQ(::GetSystemDefaultLCID(), m_expected->locale);
    EXPECT_EQ(::GetThreadLocale(), m_expected->locale);
    EXPECT_EQ(g_strLanguage, m_expected->language);
}

TEST_F(LocaleStart, TheWizardWindowSpeaksTheLanguage) {
    EXPECT_EQ(Wide(Status()), Translated(IDS_SEARCHING));
    EXPECT_EQ(Wide(Text(IDC_NEXT)), Translated(IDS_NEXT));
    EXPECT_EQ(Wide(Text(IDOK)), Translated(IDS_CANCEL));
    char header[64] = {};
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT;
    column.pszText = header;
    column.cchTextMax = sizeof header;
    ::SendMessageA(Control(IDC_DEVICE_LIST), LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(Wide(header), Translated(IDS_DEVICE_NAME));
    EXPECT_EQ(testbed::WindowText(m_hwnd), "Harborbox Quickmap");
}

TEST_F(LocaleStart, TheTrayMenuSpeaksTheLanguage) {
    m_listed.scanStartTime = std::time(nullptr);
    List();
    testbed::MenuSpy spy(m_hwnd);
    ::SendMessageA(m_hwnd, WM_TRAY_CALLBACK, ID_TRAY_ICON, WM_RBUTTONUP);
    const testbed::MenuSnapshot menu = spy.Finish();
    ASSERT_TRUE(menu.shown);
    ASSERT_EQ(menu.items.size(), 6u);
    EXPECT_EQ(Wide(menu.items[0].text), Translated(IDS_ABOUT_QUICKMAP));
    EXPECT_EQ(Wide(menu.items[2].text), Translated(IDS_NOT_FOUND));
    EXPECT_EQ(Wide(menu.items[4].text), Translated(IDS_MENU_ADD_BY_ADDRESS));
    EXPECT_EQ(Wide(menu.items[5].text), Translated(IDS_MENU_EXIT));
}

TEST_F(LocaleStart, AWorkersMessageBoxSpeaksTheLanguage) {
    EXPECT_EQ(WorkersRenameBox(*m_window, *m_boxes), RenameBoxIn(Language()));
    EXPECT_NE(RenameBoxIn(Language()), RenameBoxIn(variants::kEnglish));
}

TEST_F(LocaleStart, TheHelpWindowShowsTheDocumentOfTheLanguage) {
    CHelpDlg* help = CHelpDlg::Open(m_window, IDR_HELP_SHARES);
    ASSERT_NE(help, nullptr);
    testbed::PumpFor(200);
    HWND view = ::FindWindowExA(help->m_hWnd, nullptr, RICHEDIT_CLASSA, nullptr);
    const std::wstring document = variants::RtfPlainText(variants::Bytes(Module(), "BIN", IDR_HELP_SHARES, Language()));
    EXPECT_NE(document, variants::RtfPlainText(variants::Bytes(Module(), "BIN", IDR_HELP_SHARES, variants::kEnglish)));
    EXPECT_EQ(variants::WideText(view), document);
    HWND helpTemplate = variants::CreateDialogOf(Module(), IDD_HELP, Language());
    EXPECT_EQ(variants::WideText(help->m_hWnd), variants::WideText(helpTemplate));
    ::DestroyWindow(helpTemplate);
    ::DestroyWindow(help->m_hWnd);
}

TEST_F(LocaleStart, AnApplianceWithoutALanguageIsToldTheLanguage) {
    DeviceEntry& entry = AddDevice("Office", "10.77.0.2");
    const uint8_t data[8] = {0, 0, 0x00, 0x11, 0x32, 0xAA, 0x34, 0x56};
    std::memcpy(entry.deviceData, data, sizeof data);
    entry.ipAddress = testbed::ApplianceAddress();
    List();
    m_window->OpenWebManager();
    const std::string languagePage =
        std::string("GET /generalsetup/processlangupdate.asp?language=") + m_expected->language + "&submit=update";
    testbed::PumpUntil([&] { return testbed::SimLogCount(languagePage) > 0; }, 15000);
    EXPECT_EQ(testbed::SimLogCount(languagePage), 1u);
}

// On an English system, a language chosen for the program holds on its worker threads too: on Windows a new
// thread would otherwise load resources in the user's UI language, whatever the window thread set.
class ThreadLanguage : public WizardFixture {
protected:
    void TearDown() override {
        WizardFixture::TearDown();
        fw::SetProgramLanguage(MAKELCID(variants::kEnglish, SORT_DEFAULT));
    }
};

TEST_F(ThreadLanguage, AWorkerLoadsTheProgramsLanguageNotItsDefault) {
    const LANGID german = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);
    fw::SetProgramLanguage(MAKELCID(german, SORT_DEFAULT));
    EXPECT_EQ(WorkersRenameBox(*m_window, *m_boxes), RenameBoxIn(german));
    EXPECT_NE(RenameBoxIn(german), RenameBoxIn(variants::kEnglish));
}
