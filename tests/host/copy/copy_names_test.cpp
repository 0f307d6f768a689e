#include "copy/copy_names.h"
#include <gtest/gtest.h>
#include <utility>

TEST(CopyNames, SequenceKeepsTheWholeName) {
    std::wstring name = L"\\\\nas\\Shared Media\\Music\\a.mp3";
    const wchar_t* expected[] = {L"Copy of a.mp3", L"Copy (1) of a.mp3", L"Copy (2) of a.mp3", L"Copy (3) of a.mp3"};
    for (const wchar_t* next : expected) {
        name = MakeCopyName(name);
        EXPECT_EQ(name, std::wstring(L"\\\\nas\\Shared Media\\Music\\") + next);
    }
}

// Only a real copy prefix counts as an earlier copy; the folder part stays as it is spelt.
TEST(CopyNames, EachNameGetsItsNextCopyName) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\x\\Copy (9) of a.mp3", L"C:\\x\\Copy (10) of a.mp3"},
        {L"C:README", L"C:Copy of README"},
        {L"C:\\x.d\\notes", L"C:\\x.d\\Copy of notes"},
        {L"\\\\?\\UNC\\nas\\Data\\Trip \U0001F334\\a.", L"\\\\?\\UNC\\nas\\Data\\Trip \U0001F334\\Copy of a."},
        {L"C:\\x\\My Copy 1.txt", L"C:\\x\\Copy of My Copy 1.txt"},
        {L"C:\\x\\Copy of Photo (2).jpg", L"C:\\x\\Copy (1) of Photo (2).jpg"},
        {L"C:\\x\\Copy (2 of a.txt", L"C:\\x\\Copy of Copy (2 of a.txt"},
        {L"C:\\x\\Copy () of a.txt", L"C:\\x\\Copy of Copy () of a.txt"},
        {L"C:\\x\\copy of a.txt", L"C:\\x\\Copy of copy of a.txt"},
        // Ten digits could overflow the count: such a name is no numbered copy.
        {L"C:\\x\\Copy (9999999999) of a", L"C:\\x\\Copy of Copy (9999999999) of a"},
        {L"C:\\x\\Copy (999999999) of a", L"C:\\x\\Copy (1000000000) of a"},
    };
    for (const auto& [name, next] : cases) EXPECT_EQ(MakeCopyName(name), next) << name;
}

TEST(CopyNames, ExtendedLengthPathsAndBack) {
    struct Case {
        const wchar_t* path;
        const wchar_t* extended;
        const wchar_t* parent;  // of the extended form
    };
    const Case cases[] = {
        {L"C:\\Music\\a.mp3", L"\\\\?\\C:\\Music\\a.mp3", L"\\\\?\\C:\\Music"},
        {L"C:/Music/Trip./", L"\\\\?\\C:\\Music\\Trip.", L"\\\\?\\C:\\Music"},  // the trailing dot stays a name
        {L"C:\\Music", L"\\\\?\\C:\\Music", L"\\\\?\\C:\\"},
        {L"C:\\", L"\\\\?\\C:\\", L""},
        {L"\\\\nas\\Shared Data\\Others\\", L"\\\\?\\UNC\\nas\\Shared Data\\Others", L"\\\\?\\UNC\\nas\\Shared Data"},
        {L"\\\\nas\\Shared Data", L"\\\\?\\UNC\\nas\\Shared Data", L""},  // nothing above a share
        {L"\\\\?\\C:\\x", L"\\\\?\\C:\\x", L"\\\\?\\C:\\"},
        {L"Music\\a.mp3", L"Music\\a.mp3", L"Music"},  // relative: left alone
        {L"\\\\.\\pipe\\x", L"\\\\.\\pipe\\x", L"\\\\.\\pipe"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtendedLengthPath(c.path), c.extended) << c.path;
        EXPECT_EQ(ParentPath(c.extended), c.parent) << c.path;
    }
    EXPECT_EQ(PlainPath(L"\\\\?\\UNC\\nas\\Shared Data\\a"), L"\\\\nas\\Shared Data\\a");
    EXPECT_EQ(PlainPath(L"\\\\?\\C:\\a"), L"C:\\a");
    EXPECT_EQ(PlainPath(L"C:\\a"), L"C:\\a");

    EXPECT_EQ(LastPathPart(L"C:\\Music\\a.mp3"), L"a.mp3");
    EXPECT_EQ(LastPathPart(L"\\\\pc\\share\\Trip\\"), L"Trip");
    EXPECT_EQ(LastPathPart(L"C:a.mp3"), L"a.mp3");
    std::wstring path = L"C:\\a";
    AddTrailingBackslash(path);
    AddTrailingBackslash(path);
    EXPECT_EQ(path, L"C:\\a\\");
}

TEST(CopyNames, PartialNamesAreRecognisedAndFitTheNameLimit) {
    EXPECT_EQ(PartialFileName(L"movie.avi"), L"~movie.avi.qmpart");
    EXPECT_TRUE(IsPartialFileName(PartialFileName(L"movie.avi")));
    EXPECT_EQ(PartialFileName(L"movie.avi", 2), L"~movie.avi.2.qmpart");
    const std::wstring longest(255, L'x');
    for (unsigned variant : {0u, 9u}) {
        EXPECT_EQ(PartialFileName(longest, variant).size(), 255u) << variant;
        EXPECT_TRUE(IsPartialFileName(PartialFileName(longest, variant))) << variant;
    }
    for (const wchar_t* name : {L"movie.avi", L"~movie.avi", L"movie.qmpart", L"~.qmpart", L"x~a.qmpart"})
        EXPECT_FALSE(IsPartialFileName(name)) << name;
}
