#include "webmgmt/utf8_text.h"
#include <gtest/gtest.h>
#include <windows.h>

TEST(Utf8Text, AnsiTextBecomesUtf8) {
    ASSERT_EQ(::GetACP(), 1252u);
    EXPECT_EQ(ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(ToUtf8(""), "");
    EXPECT_EQ(ToUtf8("Photos"), "Photos");
}

TEST(Utf8Text, LongTextsAreConvertedWhole) {
    std::string ansi, utf8;
    for (int i = 0; i < 400; ++i) {
        ansi += "\xE9x";
        utf8 += "\xC3\xA9x";
    }
    EXPECT_EQ(ToUtf8(ansi), utf8);
}
