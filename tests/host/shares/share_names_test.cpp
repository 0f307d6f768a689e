// Item names, access paths, pictures, drive suffixes, shortcut names and check boxes of the share tree.
#include "shares/check_rules.h"
#include "shares/share_names.h"
#include <gtest/gtest.h>

TEST(ShareNames, DisplayNameAndAccessPath) {
    EXPECT_EQ(DisplayNameOf("\\\\QX-Harborbox\\Shared Media", "Office"), "Shared Media");
    EXPECT_EQ(DisplayNameOf("\\\\QX-Harborbox", "Office"), "QX-Harborbox");
    EXPECT_EQ(DisplayNameOf("", "Office"), "Office");
    EXPECT_EQ(DisplayNameOf("Microsoft Windows Network", ""), "Microsoft Windows Network");

    EXPECT_EQ(AccessPathOf("\\\\10.0.0.2", "\\\\Office\\Photo", "Photo"), "\\\\10.0.0.2\\Photo");
    EXPECT_FALSE(AccessPathOf("", "\\\\Office\\Photo", "Photo"));
    EXPECT_FALSE(AccessPathOf("\\\\10.0.0.2", "", "Photo"));
    EXPECT_FALSE(AccessPathOf("\\\\10.0.0.2", "\\\\Office\\Photo", ""));
}

TEST(ShareNames, ImageForResource) {
    struct Case {
        unsigned displayType, type;
        int image;
    };
    const Case cases[] = {{1, 0, 2}, {5, 1, 2}, {2, 1, 3}, {3, 1, 4}, {3, 2, 5}, {3, 0, 6},
                          {3, 8, 6}, {6, 0, 1}, {0, 1, 0}, {4, 1, 0}, {7, 1, 0}, {99, 1, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ImageForResource(c.displayType, c.type), c.image) << c.displayType << "/" << c.type;
}

TEST(ShareNames, DriveSuffixMatch) {
    const std::vector<MappedDrive> drives = {{'M', ""},
                                             {'P', "\\\\10.0.0.2\\photo"},
                                             {'X', "\\\\office\\PHOTO"},
                                             {'Z', "\\\\Office\\Photo"}};
    // The lower letter wins, by the access path or the remote name, whatever the case.
    EXPECT_EQ(DriveSuffixLetter(drives, "\\\\Office\\Photo", "\\\\10.0.0.2\\Photo"), 'P');
    EXPECT_EQ(DriveSuffixLetter(drives, "\\\\Office\\Photo", "\\\\10.0.0.9\\Photo"), 'X');
    // A drive whose path is unknown never matches, not even an empty name.
    EXPECT_EQ(DriveSuffixLetter(drives, "", ""), 0);
    EXPECT_EQ(DriveSuffixLetter(drives, "\\\\Office\\Photos", "\\\\10.0.0.2\\Photos"), 0);

    EXPECT_EQ(TextWithDriveSuffix("Photo", 'Z'), "Photo (Z:)");
}

TEST(ShareNames, ShortcutName) {
    const std::string format = "%s on %s (Harborbox) (%s)";
    EXPECT_EQ(ShortcutName(format, FolderNameOf("\\\\Office\\Photo"), "Office", "Z"),
              "Photo on Office (Harborbox) (Z)");
    // Names are copied as they stand: a "%s" inside one is not a place for the next value.
    EXPECT_EQ(ShortcutName(format, "100%s", "Box %d", ""), "100%s on Box %d (Harborbox) ()");
    EXPECT_EQ(ShortcutName("%s %s %s %s", "a", "b", "c"), "a b c %s");
    EXPECT_EQ(FolderNameOf("\\\\Office\\Photo"), "Photo");
    EXPECT_EQ(FolderNameOf("\\Photo"), "\\Photo");
    EXPECT_EQ(FolderNameOf("Photo"), "Photo");
}

TEST(ShareCheckRules, ServerAndFolders) {
    ShareChecks checks{true, {false, true, false}};
    ApplyCheckRules(checks, -1);  // server checked: every folder follows
    EXPECT_EQ(checks.folders, (std::vector<bool>{true, true, true}));
    checks.server = false;
    ApplyCheckRules(checks, -1);
    EXPECT_EQ(checks.folders, (std::vector<bool>{false, false, false}));

    checks.folders[2] = true;  // a checked folder checks the server
    ApplyCheckRules(checks, 2);
    EXPECT_TRUE(checks.server);
    checks.folders[0] = true;
    ApplyCheckRules(checks, 0);
    checks.folders[2] = false;  // another folder stays checked: so does the server
    ApplyCheckRules(checks, 2);
    EXPECT_TRUE(checks.server);
    checks.folders[0] = false;  // the last one unchecked: the server goes with it
    ApplyCheckRules(checks, 0);
    EXPECT_FALSE(checks.server);
    EXPECT_EQ(checks.folders, (std::vector<bool>{false, false, false}));
}
