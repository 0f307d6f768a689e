#include "app/about_dlg.h"
#include "window_driver.h"
#include <gtest/gtest.h>

using testbed::DialogDriver;

namespace {
const char kCaption[] = "About Harborbox Quickmap";

bool ShowsText(HWND dialog, const std::string& text) {
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        if (testbed::WindowText(child) == text) return true;
    return false;
}
}  // namespace

TEST(AboutDialog, OkClosesIt) {
    CAboutDlg about;
    bool showsVersion = false;
    DialogDriver driver(kCaption, [&](HWND dialog) {
        showsVersion = ShowsText(dialog, "Harborbox Quickmap Version 1.0");
        ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(about.DoModal(), IDOK);
    ASSERT_TRUE(driver.Finish());
    EXPECT_TRUE(showsVersion);
}

TEST(AboutDialog, EscapeClosesIt) {
    CAboutDlg about;
    DialogDriver driver(kCaption, [](HWND dialog) {
        // The key reaches the focused button; the dialog manager turns it into Cancel.
        HWND ok = ::GetDlgItem(dialog, IDOK);
        ::PostMessageA(ok, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    });
    EXPECT_EQ(about.DoModal(), IDCANCEL);
    ASSERT_TRUE(driver.Finish());
}
