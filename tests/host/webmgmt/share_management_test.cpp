// What the add-share dialog refuses, and which share a delete on a tree item means.
#include "webmgmt/new_share_rules.h"
#include "webmgmt/query_value.h"
#include "webmgmt/share_to_delete.h"
#include <gtest/gtest.h>

TEST(NewShareRules, RefusesInTheOrderTheUserMeetsThem) {
    EXPECT_EQ(CheckNewShare("", true, "", "x"), NewShareProblem::EmptyName);
    for (const char forbidden : std::string("\\/:*?\"<>|"))
        EXPECT_EQ(CheckNewShare(std::string("a") + forbidden + "b", false, "", ""), NewShareProblem::ForbiddenCharacter)
            << forbidden;
    EXPECT_EQ(CheckNewShare("config", true, "", ""), NewShareProblem::ReservedName);
    EXPECT_EQ(CheckNewShare("Config", false, "", ""), NewShareProblem::None);
    EXPECT_EQ(CheckNewShare("configs", false, "", ""), NewShareProblem::None);
    EXPECT_EQ(CheckNewShare("Caf\xC3\xA9 (2020)", false, "", ""), NewShareProblem::None);
}

TEST(NewShareRules, PrivateSharesNeedTwoEqualPasswords) {
    EXPECT_EQ(CheckNewShare("Box", true, "", ""), NewShareProblem::BlankPassword);
    EXPECT_EQ(CheckNewShare("Box", true, "pw", ""), NewShareProblem::BlankPassword);
    EXPECT_EQ(CheckNewShare("Box", true, "", "pw"), NewShareProblem::BlankPassword);
    EXPECT_EQ(CheckNewShare("Box", true, "Secret", "secret"), NewShareProblem::PasswordMismatch);
    EXPECT_EQ(CheckNewShare("Box", true, "secret", "secret"), NewShareProblem::None);
    // A public share ignores whatever the disabled fields hold.
    EXPECT_EQ(CheckNewShare("Box", false, "a", "b"), NewShareProblem::None);
}

TEST(ShareToDelete, NameAndDriveLetterComeFromTheRecord) {
    const ShareToDelete dated = ShareToDeleteOf("\\\\QX-Harborbox\\Photos (2020)", "", 0);
    EXPECT_EQ(dated.name, "Photos (2020)");
    EXPECT_FALSE(dated.mapped);

    const ShareToDelete imitation = ShareToDeleteOf("\\\\QX-Harborbox\\Data (H:)", "", 0);
    EXPECT_EQ(imitation.name, "Data (H:)");
    EXPECT_FALSE(imitation.mapped);

    const ShareToDelete mapped = ShareToDeleteOf("\\\\QX-Harborbox\\Photo", "", 'Z');
    EXPECT_EQ(mapped.name, "Photo");
    EXPECT_TRUE(mapped.mapped);

    const ShareToDelete datedMapped = ShareToDeleteOf("\\\\QX-Harborbox\\Photos (2020)", "", 'Y');
    EXPECT_EQ(datedMapped.name, "Photos (2020)");
    EXPECT_TRUE(datedMapped.mapped);
}

TEST(QueryValue, OnlyUnreservedCharactersStayAsTheyAre) {
    EXPECT_EQ(EscapeQueryValue("Volume_1.x-y~z"), "Volume_1.x-y~z");
    EXPECT_EQ(EscapeQueryValue("Caf\xC3\xA9"), "Caf%C3%A9");
    EXPECT_EQ(EscapeQueryValue("Photos (2020)"), "Photos%20%282020%29");
    // A name that would otherwise end the value early or add a parameter of its own.
    EXPECT_EQ(EscapeQueryValue("A&pool=Volume_2#"), "A%26pool%3DVolume_2%23");
    EXPECT_EQ(EscapeQueryValue("100%"), "100%25");
    EXPECT_EQ(EscapeQueryValue("O'Neil"), "O%27Neil");
    EXPECT_EQ(EscapeQueryValue(""), "");
}
