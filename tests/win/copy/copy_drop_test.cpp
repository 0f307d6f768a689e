// Real HDROPs posted to the device list: the drop protocol, and dropped files on their way to the
// simulated appliance's shares with the progress window, Cancel and the failure report.
#include "copy/copy_exception.h"
#include "drop_test_window.h"
#include "platform/wine_drives.h"
#include "test_bed.h"
#include "res/resource_copy.h"
#include "scratch_files.h"
#include "window_driver.h"
#include <gtest/gtest.h>
#include <shlobj.h>

using scratch::IsFile;
using scratch::Read;
using scratch::Write;

namespace {
struct DropCall {
    std::wstring path;
    uint32_t itemType;
    bool operator==(const DropCall& other) const { return path == other.path && itemType == other.itemType; }
};

// Records every call; answers `answer` to item calls.
void RecordDrops(CDeviceListCtrl& list, std::vector<DropCall>& calls, int answer) {
    list.SetDropMode({DROP_ACCEPT_FILES | DROP_ACCEPT_FOLDERS | DROP_USE_CALLBACK,
                      [&calls, answer](CDeviceListCtrl*, const std::wstring& path, uint32_t* itemType) {
                          calls.push_back({path, *itemType});
                          return path.empty() ? -1 : answer;
                      }});
}

void MakeShortcut(const std::string& link, const std::string& target) {
    IShellLinkA* shellLink = nullptr;
    ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                             reinterpret_cast<void**>(&shellLink))));
    shellLink->SetPath(target.c_str());
    IPersistFile* file = nullptr;
    shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    std::wstring wide(link.begin(), link.end());
    EXPECT_TRUE(SUCCEEDED(file->Save(wide.c_str(), TRUE)));
    file->Release();
    shellLink->Release();
}

std::wstring W(const std::string& path) { return std::wstring(path.begin(), path.end()); }

std::string Bytes(const std::string& seed) {
    std::string bytes;
    for (int i = 0; i < 5000; ++i) bytes += static_cast<char>((i * 7 + seed.size()) % 256);
    return bytes + seed;
}
}  // namespace

TEST(DropIntake, ItemsAreHandedOnInOrderThenOneEndOfBatch) {
    DropTestWindow window({"QX-Harborbox"});
    const std::string folder = scratch::NewLocalFolder();
    Write(folder + "\\a.mp3", "a");
    scratch::MakeFolder(folder + "\\Trip.2005");
    Write(folder + "\\song.mp3", "song");
    MakeShortcut(folder + "\\Song.lnk", folder + "\\song.mp3");

    std::vector<DropCall> calls;
    RecordDrops(window.List(), calls, 0);
    window.PostDrop({folder + "\\a.mp3", folder + "\\gone.txt", folder + "\\Trip.2005", folder + "\\Song.lnk"});
    // The drop is read on a worker: the window thread goes on meanwhile.
    const auto batchEnded = [&] { return !calls.empty() && calls.back().itemType == 0; };
    EXPECT_TRUE(testbed::PumpUntil(batchEnded, 5000));
    EXPECT_EQ(calls, (std::vector<DropCall>{{W(folder + "\\a.mp3"), DROP_ITEM_FILE},
                                            {W(folder + "\\Trip.2005"), DROP_ITEM_FOLDER},
                                            {W(folder + "\\song.mp3"), DROP_ITEM_FILE},  // the shortcut's target
                                            {L"", 0}}));

    // A refusal stops the drop at once; the end-of-batch call still comes.
    calls.clear();
    RecordDrops(window.List(), calls, -1);
    window.PostDrop({folder + "\\a.mp3", folder + "\\song.mp3", folder + "\\Trip.2005"});
    EXPECT_TRUE(testbed::PumpUntil(batchEnded, 5000));
    EXPECT_EQ(calls, (std::vector<DropCall>{{W(folder + "\\a.mp3"), DROP_ITEM_FILE}, {L"", 0}}));

    // Two drops in a row are handed on in the order they were made.
    calls.clear();
    RecordDrops(window.List(), calls, 0);
    window.PostDrop({folder + "\\gone.txt", folder + "\\gone.jpg"});
    window.PostDrop({folder + "\\Trip.2005"});
    EXPECT_TRUE(testbed::PumpUntil([&] { return calls.size() >= 3; }, 5000));
    EXPECT_EQ(calls, (std::vector<DropCall>{{L"", 0}, {W(folder + "\\Trip.2005"), DROP_ITEM_FOLDER}, {L"", 0}}));
}

TEST(CopyDrop, TwoFilesArriveInMusicAndPhotoWithTheirBytes) {
    DropTestWindow window({"QX-Harborbox"});
    window.InstallCopyCallback();
    const std::string folder = scratch::NewLocalFolder();
    const std::string song = scratch::UniqueName("song") + ".mp3";
    const std::string photo = scratch::UniqueName("photo") + ".JPG";
    Write(folder + "\\" + song, Bytes(song));
    Write(folder + "\\" + photo, Bytes(photo));

    window.PostDrop({folder + "\\" + song, folder + "\\" + photo});
    ASSERT_TRUE(window.WaitUntilCopied());
    EXPECT_EQ(Read(std::string(scratch::kMediaShare) + "\\Music\\" + song), Bytes(song));
    EXPECT_EQ(Read(std::string(scratch::kMediaShare) + "\\Photo\\" + photo), Bytes(photo));
    EXPECT_TRUE(window.Host().Messages().empty());
    EXPECT_TRUE(testbed::PumpUntil([] { return !FindCopyProgressWindow(); }, 3000));
}

TEST(CopyDrop, CancelStopsTheLargeFirstItemAndLeavesNoPartialFile) {
    DropTestWindow window({"QX-Harborbox"});
    window.InstallCopyCallback();
    const std::string folder = scratch::NewLocalFolder();
    const std::string big = scratch::UniqueName("big") + ".mp3";
    const std::string next = scratch::UniqueName("next") + ".mp3";
    scratch::WriteLarge(folder + "\\" + big, 4ull << 30);
    Write(folder + "\\" + next, "next");
    const std::string music = std::string(scratch::kMediaShare) + "\\Music\\";

    window.PostDrop({folder + "\\" + big, folder + "\\" + next});
    HWND progress = nullptr;
    ASSERT_TRUE(testbed::PumpUntil([&] { return (progress = FindCopyProgressWindow()) != nullptr; }, 10000));
    // The bytes go to a partial file; the final name appears only for a complete copy.
    const std::string partial = music + "~" + big + ".qmpart";
    ASSERT_TRUE(testbed::PumpUntil([&] { return IsFile(partial); }, 10000));
    EXPECT_FALSE(IsFile(music + big));
    EXPECT_EQ(testbed::ItemText(progress, IDC_COPY_STATUS), "Copying " + big + " to " + music.substr(0, music.size() - 1) + "...");
    ::PostMessageA(progress, WM_COMMAND, IDCANCEL, 0);

    ASSERT_TRUE(window.WaitUntilCopied(30000));
    EXPECT_FALSE(IsFile(music + big));
    EXPECT_FALSE(IsFile(partial));
    EXPECT_FALSE(IsFile(music + next));
    EXPECT_TRUE(window.Host().Messages().empty());  // the user cancelled: nothing to report
    EXPECT_TRUE(testbed::PumpUntil([] { return !FindCopyProgressWindow(); }, 3000));
}

TEST(CopyDrop, ASecondDropWaitsBehindTheFirstAndOutlivesItsCancel) {
    DropTestWindow window({"QX-Harborbox"});
    window.InstallCopyCallback();
    const std::string folder = scratch::NewLocalFolder();
    const std::string big = scratch::UniqueName("first") + ".mp3";
    const std::string later = scratch::UniqueName("later") + ".mp3";
    scratch::WriteLarge(folder + "\\" + big, 4ull << 30);
    Write(folder + "\\" + later, "later");
    const std::string music = std::string(scratch::kMediaShare) + "\\Music\\";

    window.PostDrop({folder + "\\" + big});
    window.PostDrop({folder + "\\" + later});
    HWND first = nullptr;
    ASSERT_TRUE(testbed::PumpUntil([&] { return (first = FindCopyProgressWindow()) != nullptr; }, 10000));
    ASSERT_TRUE(testbed::PumpUntil([&] { return IsFile(music + "~" + big + ".qmpart"); }, 10000));
    EXPECT_FALSE(IsFile(music + later));  // queued behind the running drop
    ::PostMessageA(first, WM_COMMAND, IDCANCEL, 0);

    // The Cancel belonged to the first drop alone: the second one is copied all the same.
    ASSERT_TRUE(window.WaitUntilCopied(30000));
    EXPECT_FALSE(IsFile(music + big));
    EXPECT_EQ(Read(music + later), "later");
    EXPECT_TRUE(window.Host().Messages().empty());
}

TEST(CopyDrop, AnUnreachableApplianceIsReportedOncePerDrop) {
    DropTestWindow window({"NoSuchBox"});
    window.InstallCopyCallback();
    const std::string folder = scratch::NewLocalFolder();
    Write(folder + "\\a.mp3", "a");
    Write(folder + "\\b.doc", "b");

    window.PostDrop({folder + "\\a.mp3", folder + "\\b.doc"});
    ASSERT_TRUE(window.WaitUntilCopied());
    const std::vector<std::string> messages = window.Host().Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("a.mp3: " + SystemErrorText(ERROR_PATH_NOT_FOUND)), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("b.doc: "), std::string::npos) << messages[0];
}

TEST(CopyDrop, AFolderFromTheAppliancesOwnShareIsRefusedWhateverPathSpellsIt) {
    // Others on the appliance, dropped through a drive letter on its share and through its address.
    const std::string others = std::string(scratch::kDataShare) + "\\Others";
    scratch::MakeFolder(others);
    Write(others + "\\" + scratch::UniqueName("kept") + ".txt", "kept");
    const std::vector<std::string> before = scratch::List(others);
    ASSERT_TRUE(DefineNetworkDrive('Q', MountPointOfShare(scratch::kDataShare)));
    DropTestWindow window({"QX-Harborbox"});
    window.InstallCopyCallback();

    window.PostDrop({"Q:\\Others", "\\\\" + testbed::Env("QM_APPLIANCE_IP") + "\\Shared Data\\Others"});
    ASSERT_TRUE(window.WaitUntilCopied());
    RemoveDrive('Q');
    EXPECT_EQ(scratch::List(others), before);
    const std::vector<std::string> messages = window.Host().Messages();
    ASSERT_EQ(messages.size(), 1u);
    const std::string line = "Others: the Harborbox folder it was to go to lies inside this folder, so nothing was copied\n";
    EXPECT_EQ(messages[0], "These items did not arrive on the Harborbox:\n\n" + line + line);
}
