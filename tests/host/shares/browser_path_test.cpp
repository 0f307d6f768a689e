#include "shares/browser_path.h"
#include <gtest/gtest.h>

TEST(BrowserPath, QuotedProgramIsTheTextBetweenTheQuotesInLowerCase) {
    EXPECT_EQ(BrowserPathFromCommand("\"C:\\Program Files\\Web\\Browser.EXE\" \"%1\""),
              "c:\\program files\\web\\browser.exe");
    EXPECT_EQ(BrowserPathFromCommand("\"C:\\Web\\browser.exe\" -osint -url \"%1\""), "c:\\web\\browser.exe");
    EXPECT_EQ(BrowserPathFromCommand("  \"C:\\Program Files\\Web\\Browser.EXE\" -url"),
              "c:\\program files\\web\\browser.exe");
}

TEST(BrowserPath, UnquotedProgramIsCutAtTheFirstSpaceAfterTheLastBackslash) {
    EXPECT_EQ(BrowserPathFromCommand("C:\\Web\\browser.exe -nohome %1"), "c:\\web\\browser.exe");
    EXPECT_EQ(BrowserPathFromCommand("C:\\Web Tools\\browser.exe %1"), "c:\\web tools\\browser.exe");
}

TEST(BrowserPath, NothingUsableMeansIexplore) {
    EXPECT_EQ(BrowserPathFromCommand(""), "iexplore");
    EXPECT_EQ(BrowserPathFromCommand("   "), "iexplore");
    EXPECT_EQ(BrowserPathFromCommand("\"C:\\Web\\browser.cmd\" %1"), "iexplore");
    EXPECT_EQ(BrowserPathFromCommand("winebrowser %1"), "iexplore");
}
