// The copy engine on real files, locally and on the simulated appliance's share through its network path.
#include "copy/copy_exception.h"
#include "copy/file_copier.h"
#include "platform/wine_drives.h"
#include <thread>
#include "scratch_files.h"
#include <gtest/gtest.h>

using scratch::IsFile;
using scratch::IsFolder;
using scratch::List;
using scratch::Read;
using scratch::Write;

namespace {
using Names = std::vector<std::string>;

std::wstring W(const std::string& path) { return std::wstring(path.begin(), path.end()); }

// C:\...\Trip with a.txt and Day1\b.jpg.
std::string MakeTrip(const std::string& where) {
    const std::string trip = where + "\\Trip";
    scratch::MakeFolder(trip);
    scratch::MakeFolder(trip + "\\Day1");
    Write(trip + "\\a.txt", "notes");
    Write(trip + "\\Day1\\b.jpg", std::string("\xFF\xD8picture\0bytes", 15));
    return trip;
}
}  // namespace

TEST(CopyEngine, FolderMergesIntoTheShareAndTakenNamesGetCopyNames) {
    const std::string trip = MakeTrip(scratch::NewLocalFolder());
    const std::string others = std::string(scratch::kDataShare) + "\\" + scratch::UniqueName("Others");

    CFileCopier first;
    ASSERT_TRUE(first.Copy(W(trip), W(others))) << first.LastErrorText();  // the missing destination is made
    EXPECT_EQ(first.LastErrorText(), "No error");
    EXPECT_EQ(first.LastErrorCode(), 0u);
    EXPECT_EQ(List(others + "\\Trip"), (Names{"Day1", "a.txt"}));
    EXPECT_EQ(Read(others + "\\Trip\\Day1\\b.jpg"), Read(trip + "\\Day1\\b.jpg"));

    // A killed copy's partial file goes at the next copy into its folder; the user's own files stay.
    Write(others + "\\Trip\\Day1\\~c.png.qmpart", "cut short");
    Write(others + "\\Trip\\Day1\\~b.jpg", "the user's");
    CFileCopier again;
    ASSERT_TRUE(again.Copy(W(trip), W(others))) << again.LastErrorText();
    EXPECT_EQ(List(others), Names{"Trip"});
    EXPECT_EQ(List(others + "\\Trip"), (Names{"Copy of a.txt", "Day1", "a.txt"}));
    EXPECT_EQ(List(others + "\\Trip\\Day1"), (Names{"Copy of b.jpg", "b.jpg", "~b.jpg"}));

    // The numbered names follow, and nothing is overwritten.
    const std::string music = std::string(scratch::kMediaShare) + "\\" + scratch::UniqueName("Music");
    scratch::MakeFolder(music);
    for (const char* name : {"a.mp3", "Copy of a.mp3", "Copy (1) of a.mp3"}) Write(music + "\\" + name, name);
    const std::string song = scratch::NewLocalFolder() + "\\a.mp3";
    Write(song, "new song");
    CFileCopier copier;
    ASSERT_TRUE(copier.Copy(W(song), W(music)));
    EXPECT_EQ(Read(music + "\\Copy (2) of a.mp3"), "new song");
    EXPECT_EQ(Read(music + "\\a.mp3"), "a.mp3");

    // Onto an existing file: the copy lands beside it under that file's copy name.
    ASSERT_TRUE(CFileCopier().Copy(W(song), W(music + "\\Copy of a.mp3")));
    EXPECT_EQ(Read(music + "\\Copy (3) of a.mp3"), "new song");
}

TEST(CopyEngine, DestinationInsideTheSourceIsRefusedWhateverSpellsIt) {
    const std::string a = scratch::NewLocalFolder() + "\\A";
    scratch::MakeFolder(a);
    scratch::MakeFolder(a + "\\B");
    Write(a + "\\top.txt", "top");
    Write(a + "\\B\\inner.txt", "inner");

    // Spelt as it is, in another case, with "/" and below a folder still to be made.
    for (const std::string& destination : {a + "\\B", a + "\\b\\", a + "/B/New"}) {
        CFileCopier copier;
        EXPECT_FALSE(copier.Copy(W(a), W(destination))) << destination;
        ASSERT_EQ(copier.Problems().size(), 1u) << destination;
        EXPECT_EQ(copier.Problems()[0].issue, CopyIssue::IntoItself) << destination << ": " << copier.Problems()[0].text;
        EXPECT_EQ(List(a + "\\B"), (Names{"inner.txt"})) << destination;  // nothing copied
    }

    // A folder whose parent is the destination: nothing to do.
    ASSERT_TRUE(CFileCopier().Copy(W(a + "\\B"), W(a)));
    EXPECT_EQ(List(a), (Names{"B", "top.txt"}));
}

TEST(CopyEngine, FailuresCarryTheSystemsReason) {
    const std::string trip = MakeTrip(scratch::NewLocalFolder());

    // One missing level is made; two are not.
    const std::string deep = std::string(scratch::kDataShare) + "\\" + scratch::UniqueName("none") + "\\deeper";
    CFileCopier missingParent;
    EXPECT_FALSE(missingParent.Copy(W(trip), W(deep)));
    EXPECT_EQ(missingParent.LastErrorCode(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(missingParent.LastErrorText(), SystemErrorText(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(missingParent.LastErrorText().empty());

    CFileCopier ontoFile;
    EXPECT_FALSE(ontoFile.Copy(W(trip), W(trip + "\\a.txt")));
    EXPECT_EQ(ontoFile.LastErrorText(), "Wrong operation");
    EXPECT_EQ(ontoFile.LastErrorCode(), 0u);

    CFileCopier missingSource;
    EXPECT_FALSE(missingSource.Copy(W(trip + "\\gone.mp3"), W(trip)));
    EXPECT_EQ(missingSource.LastErrorText(), trip + "\\gone.mp3 not found");

    // An appliance that is not there is a failure, not "nothing to do".
    CFileCopier unreachable;
    EXPECT_FALSE(unreachable.Copy(W(trip + "\\a.txt"), W("\\\\NoSuchBox\\Shared Media\\Music")));
    EXPECT_NE(unreachable.LastErrorCode(), 0u);
}

TEST(CopyEngine, AShareThatVanishesMidCopyIsOneFailureAndLeavesNoDamagedFile) {
    const std::string source = scratch::NewLocalFolder() + "\\Many";
    scratch::MakeFolder(source);
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) {
        names.push_back("file" + std::to_string(i) + ".bin");
        Write(source + "\\" + names.back(), std::string(200000, static_cast<char>('a' + i % 26)));
    }
    // The share through a drive letter, which can be taken away while the copy runs.
    ASSERT_TRUE(DefineNetworkDrive('V', MountPointOfShare(scratch::kDataShare)));
    const std::string folder = scratch::UniqueName("Vanish");
    CopyProgress progress;
    CFileCopier copier(&progress);
    std::thread worker([&] { copier.Copy(W(source), W("V:\\" + folder)); });
    while (progress.Figures().filesDone < 20) ::Sleep(1);
    RemoveDrive('V');
    worker.join();

    ASSERT_EQ(copier.Problems().size(), 1u);  // the first write that failed, not one line per file
    EXPECT_EQ(copier.Problems()[0].issue, CopyIssue::Failed);
    const std::string arrived = std::string(scratch::kDataShare) + "\\" + folder + "\\Many";
    size_t complete = 0;
    for (const std::string& name : List(arrived)) {
        if (name.front() == '~') continue;  // a partial file the vanished share kept
        EXPECT_EQ(Read(arrived + "\\" + name), Read(source + "\\" + name)) << name;
        ++complete;
    }
    EXPECT_GE(complete, 20u);
    EXPECT_LT(complete, names.size());

    // The next copy into that folder removes what the broken one left.
    ASSERT_TRUE(CFileCopier().Copy(W(source), W(std::string(scratch::kDataShare) + "\\" + folder)));
    for (const std::string& name : List(arrived)) EXPECT_NE(name.front(), '~') << name;
}
