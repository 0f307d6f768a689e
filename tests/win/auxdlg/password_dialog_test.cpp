#include "app/password_dlg.h"
#include "window_driver.h"
#include "res/resource_aux.h"
#include <gtest/gtest.h>

using testbed::DialogDriver;
using testbed::ItemText;

namespace {
const char kCaption[] = "Enter Harborbox Password";

// What the prompt showed before the driver typed and answered.
struct SeenPrompt {
    std::string prompt;
    std::string userName;
    bool userNameEnabled = false;
};

void Type(HWND dialog, int id, const char* text) {
    ::SendMessageA(::GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

std::function<void(HWND)> Answer(SeenPrompt& seen, const char* userName, const char* password, int button) {
    return [&seen, userName, password, button](HWND dialog) {
        seen.prompt = ItemText(dialog, IDC_PASSWORD_PROMPT);
        seen.userName = ItemText(dialog, IDC_USER_NAME_EDIT);
        seen.userNameEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_USER_NAME_EDIT)) != FALSE;
        if (userName) Type(dialog, IDC_USER_NAME_EDIT, userName);
        Type(dialog, IDC_PASSWORD_EDIT, password);
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    };
}
}  // namespace

TEST(PasswordDialog, SharePasswordKeepsUserNameGreyAndWritesItEmptyOnOk) {
    CPasswordDlg dialog;
    dialog.m_strPrompt = CPasswordDlg::SharePrompt("\\\\QX-Harborbox\\Private");
    SeenPrompt seen;
    DialogDriver driver(kCaption, Answer(seen, nullptr, "s3cret", IDOK));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_TRUE(driver.Finish());

    EXPECT_EQ(seen.prompt, "Enter password to connect to the private shared folder: \\\\QX-Harborbox\\Private");
    EXPECT_FALSE(seen.userNameEnabled);
    EXPECT_EQ(seen.userName, "");
    EXPECT_EQ(dialog.m_typed.userName, "");
    EXPECT_EQ(dialog.m_typed.password, "s3cret");
}

TEST(PasswordDialog, AdministratorLoginGivesBothFields) {
    SeenPrompt seen;
    DialogDriver driver(kCaption, Answer(seen, "admin", "p\xE4ss word", IDOK));
    CPasswordDlg dialog;
    dialog.m_strPrompt = CPasswordDlg::AdminPrompt("QX-Harborbox");
    dialog.m_bUserNameEnabled = 1;
    const INT_PTR result = dialog.DoModal();
    ASSERT_TRUE(driver.Finish());

    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen.prompt, "Enter administrator username/password for Harborbox:\n\\\\QX-Harborbox")
        << "the device name goes on a second line";
    EXPECT_TRUE(seen.userNameEnabled);
    EXPECT_EQ(dialog.m_typed.userName, "admin");
    EXPECT_EQ(dialog.m_typed.password, "p\xE4ss word");
}

TEST(PasswordDialog, CancelGivesNothing) {
    CPasswordDlg dialog;
    dialog.m_strPrompt = CPasswordDlg::AdminPrompt("QX-Harborbox");
    dialog.m_bUserNameEnabled = 1;
    SeenPrompt seen;
    DialogDriver driver(kCaption, Answer(seen, "intruder", "guess", IDCANCEL));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_TRUE(driver.Finish());
    EXPECT_EQ(dialog.m_typed.userName, "");
    EXPECT_EQ(dialog.m_typed.password, "");
}

TEST(PasswordDialog, PasswordIsMaskedAndControlsSitWhereTheLayoutPutsThem) {
    CPasswordDlg dialog;
    struct Placed {
        int id;
        RECT units;
        RECT actual;
    } controls[] = {
        {IDC_PASSWORD_PROMPT, {7, 6, 179, 32}, {}}, {IDC_USER_NAME_EDIT, {50, 35, 179, 47}, {}},
        {IDC_PASSWORD_EDIT, {50, 57, 179, 69}, {}}, {IDOK, {36, 82, 86, 96}, {}},
        {IDCANCEL, {104, 82, 154, 96}, {}},
    };
    RECT expected[5] = {};
    LONG passwordStyle = 0;
    DialogDriver driver(kCaption, [&](HWND window) {
        for (size_t i = 0; i < 5; ++i) {
            // The dialog manager maps a control's position and its size separately, each rounded on its own.
            const RECT& units = controls[i].units;
            RECT origin = {units.left, units.top, 0, 0};
            RECT size = {0, 0, units.right - units.left, units.bottom - units.top};
            ::MapDialogRect(window, &origin);
            ::MapDialogRect(window, &size);
            expected[i] = {origin.left, origin.top, origin.left + size.right, origin.top + size.bottom};
            ::GetWindowRect(::GetDlgItem(window, controls[i].id), &controls[i].actual);
            ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&controls[i].actual), 2);
        }
        passwordStyle = ::GetWindowLongA(::GetDlgItem(window, IDC_PASSWORD_EDIT), GWL_STYLE);
        ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_TRUE(driver.Finish());
    EXPECT_TRUE(passwordStyle & ES_PASSWORD);
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(controls[i].id);
        EXPECT_EQ(controls[i].actual.left, expected[i].left);
        EXPECT_EQ(controls[i].actual.top, expected[i].top);
        EXPECT_EQ(controls[i].actual.right, expected[i].right);
        EXPECT_EQ(controls[i].actual.bottom, expected[i].bottom);
    }
}
