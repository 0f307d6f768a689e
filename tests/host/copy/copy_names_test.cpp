#include "copy/copy_names.h"
#include <gtest/gtest.h>

TEST(CopyNames, SequenceKeepsTheWholeName) {
    std::string name = "\\\\nas\\Shared Media\\Music\\a.mp3";
    const char* expected[] = {"Copy of a.mp3", "Copy (1) of a.mp3", "Copy (2) of a.mp3", "Copy (3) of a.mp3"};
    for (const char* next : expected) {
        name = MakeCopyName(name);
        EXPECT_EQ(name, std::string("\\\\nas\\Shared Media\\Music\\") + next);
    }
    EXPECT_EQ(MakeCopyName("C:\\x\\Copy (9) of a.mp3"), "C:\\x\\Copy (10) of a.mp3");
    EXPECT_EQ(MakeCopyName("C:README"), "C:Copy of README");
    EXPECT_EQ(MakeCopyName("C:\\x.d\\notes"), "C:\\x.d\\Copy of notes");
}

TEST(CopyNames, OnlyARealCopyPrefixCountsAsAnEarlierCopy) {
    EXPECT_EQ(MakeCopyName("C:\\x\\My Copy 1.txt"), "C:\\x\\Copy of My Copy 1.txt");
    EXPECT_EQ(MakeCopyName("C:\\x\\Copy of Photo (2).jpg"), "C:\\x\\Copy (1) of Photo (2).jpg");
    EXPECT_EQ(MakeCopyName("C:\\x\\Copy (2 of a.txt"), "C:\\x\\Copy of Copy (2 of a.txt");
    EXPECT_EQ(MakeCopyName("C:\\x\\Copy () of a.txt"), "C:\\x\\Copy of Copy () of a.txt");
    EXPECT_EQ(MakeCopyName("C:\\x\\copy of a.txt"), "C:\\x\\Copy of copy of a.txt");
    // Ten digits could overflow the count: such a name is no numbered copy.
    EXPECT_EQ(MakeCopyName("C:\\x\\Copy (9999999999) of a"), "C:\\x\\Copy of Copy (9999999999) of a");
    EXPECT_EQ(MakeCopyName("C:\\x\\Copy (999999999) of a"), "C:\\x\\Copy (1000000000) of a");
}

TEST(CopyNames, FolderRulesOfTheWalk) {
    EXPECT_EQ(LastFolderName("C:\\Photos\\*.*"), "Photos");
    EXPECT_EQ(LastFolderName("C:\\*.*"), "");
    EXPECT_EQ(LastFolderName("\\\\pc\\share\\*.*"), "share");

    EXPECT_EQ(DepthLimitFor("D:\\A", "D:\\A\\B"), 1);
    EXPECT_EQ(DepthLimitFor("D:\\A", "d:\\a\\B\\C"), 2);
    EXPECT_EQ(DepthLimitFor("D:\\A", "D:\\A"), 0);
    EXPECT_EQ(DepthLimitFor("D:\\A", "D:\\AB"), -1);  // a sibling whose name starts the same is not inside
    EXPECT_EQ(DepthLimitFor("D:\\A", "\\\\nas\\Shared Data\\Others"), -1);

    EXPECT_TRUE(IsParentFolderText("C:\\Trip", "c:"));
    EXPECT_TRUE(IsParentFolderText("\\\\nas\\Shared Data\\Others\\Trip", "\\\\NAS\\shared data\\others"));
    EXPECT_FALSE(IsParentFolderText("C:\\Trip", "C:\\"));  // taken as written: no backslash is added or cut
    EXPECT_FALSE(IsParentFolderText("Trip", ""));

    EXPECT_EQ(LastPathPart("C:\\Music\\a.mp3"), "a.mp3");
    EXPECT_EQ(LastPathPart("\\\\pc\\share\\Trip\\"), "Trip");
    EXPECT_EQ(LastPathPart("C:a.mp3"), "a.mp3");

    std::string path = "C:\\a";
    AddTrailingBackslash(path);
    AddTrailingBackslash(path);
    EXPECT_EQ(path, "C:\\a\\");
}
