#include "app/command_line.h"
#include "app/language.h"
#include <gtest/gtest.h>

TEST(SecondStartCommandLine, IsLowerCasedAndTrimmed) {
    EXPECT_EQ(ForwardedCommandFor(""), ForwardedCommand::Show);
    EXPECT_EQ(ForwardedCommandFor("-uninstall"), ForwardedCommand::Exit);
    EXPECT_EQ(ForwardedCommandFor("  -UNINSTALL\t"), ForwardedCommand::Exit);
    EXPECT_EQ(ForwardedCommandFor(" -S "), ForwardedCommand::None);
    EXPECT_EQ(ForwardedCommandFor("-s"), ForwardedCommand::None);
    EXPECT_EQ(ForwardedCommandFor("-s x"), ForwardedCommand::Show);
    EXPECT_EQ(ForwardedCommandFor("   "), ForwardedCommand::Show);
}

TEST(FirstStartCommandLine, IsComparedExactly) {
    EXPECT_TRUE(IsHiddenStartSwitch("-s"));
    EXPECT_FALSE(IsHiddenStartSwitch("-S"));
    EXPECT_FALSE(IsHiddenStartSwitch("-s "));
    EXPECT_TRUE(IsUninstallSwitch("-uninstall"));
    EXPECT_FALSE(IsUninstallSwitch("-Uninstall"));
}

TEST(LanguageTable, NamesSevenLanguagesAndEnglishOtherwise) {
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x07), "German");
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x0807 & 0x3FF), "German");  // Swiss German
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x0A), "Spanish");
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x0C), "French");
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x10), "Italian");
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x13), "Dutch");
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x14), "Norwegian");
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x1D), "Swedish");
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x06), "English");  // Danish
    EXPECT_STREQ(LanguageForPrimaryLanguage(0x09), "English");
}
