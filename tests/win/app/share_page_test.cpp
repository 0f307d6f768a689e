// The wizard window's share and finish pages against an appliance with real folders: mapping the ticked
// ones, and Open on the server or the folder chosen in the tree, by its network name.
#include "platform/wnet_table.h"
#include "shares/drives_and_shortcuts.h"
#include "shares/mapped_drives.h"
#include "res/message_ids.h"
#include "wizard_fixture.h"
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <stdexcept>

namespace {
HTREEITEM FindChild(const CShareTreeCtrl& tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        if (tree.GetItemText(item) == text) return item;
    return nullptr;
}

// Drive letters in use now that were not in `before`.
int LettersAddedSince(DWORD before) {
    const DWORD added = WNet().GetLogicalDrives() & ~before;
    int count = 0;
    for (int bit = 0; bit < 26; ++bit) count += (added >> bit) & 1;
    return count;
}

// Connections made through the network table, the first held back, as a distant appliance would, until the
// test releases it; every folder connected is counted. For as long as it lives, and only while no worker
// uses the table.
class HeldFirstConnection {
public:
    HeldFirstConnection() {
        s_released = false;
        s_connected.clear();
        s_real = WNet();
        WNetTable held = s_real;
        held.WNetAddConnection2A = &Connect;
        m_previous = SetWNetTable(held);
    }
    ~HeldFirstConnection() {
        Release();
        SetWNetTable(m_previous);
    }
    static void Release() {
        {
            std::lock_guard<std::mutex> lock(s_mutex);
            s_released = true;
        }
        s_release.notify_all();
    }
    static std::map<std::string, int> Connected() {
        std::lock_guard<std::mutex> lock(s_mutex);
        return s_connected;
    }

private:
    static DWORD WINAPI Connect(LPNETRESOURCEA resource, LPCSTR password, LPCSTR user, DWORD flags) {
        {
            std::unique_lock<std::mutex> lock(s_mutex);
            const bool first = s_connected.empty();
            ++s_connected[resource->lpRemoteName ? resource->lpRemoteName : ""];
            if (first) s_release.wait(lock, [] { return s_released; });
        }
        return s_real.WNetAddConnection2A(resource, password, user, flags);
    }

    static inline std::mutex s_mutex;
    static inline std::condition_variable s_release;
    static inline bool s_released = false;
    static inline std::map<std::string, int> s_connected;
    static inline WNetTable s_real;
    WNetTable m_previous;
};

// The network table's enumeration failing by an exception, for as long as this lives.
class ThrowingEnumeration {
public:
    ThrowingEnumeration() {
        WNetTable broken = WNet();
        broken.WNetOpenEnumA = [](DWORD, DWORD, DWORD, LPNETRESOURCEA, LPHANDLE) -> DWORD {
            throw std::runtime_error("enumeration failed");
        };
        m_previous = SetWNetTable(broken);
    }
    ~ThrowingEnumeration() { SetWNetTable(m_previous); }

private:
    WNetTable m_previous;
};

bool Opened(const std::string& target, size_t logSizeBefore) {
    return testbed::PumpUntil(
        [&] { return testbed::RecorderLog().find(target, logSizeBefore) != std::string::npos; }, 5000);
}
}  // namespace

const char kFinishStatus[] =
    "Congratulations! You have finished Quickmap(tm) setup. Click Close to exit. Click Settings for additional setup "
    "or double-click a shared folder to open it.";

class SharePage : public DriveWizardFixture {
protected:
    // Exactly the named folders ticked, and the server with them.
    void Tick(const std::set<std::string>& names) {
        CShareTreeCtrl& tree = ShareTree();
        const HTREEITEM server = tree.GetRootItem();
        tree.SetCheck(server, !names.empty());
        for (HTREEITEM item = tree.GetChildItem(server); item; item = tree.GetNextSiblingItem(item))
            tree.SetCheck(item, names.count(tree.GetItemText(item)) != 0);
    }
    // Next on the share page; returns once the finish page has loaded its folders.
    void MapAndWaitForTheFinishPage() {
        Click(IDC_NEXT);
        ASSERT_TRUE(testbed::PumpUntil([&] { return m_window->State().Page() == WizardPage::Finish; }, 30000));
        ASSERT_TRUE(testbed::PumpUntil([&] { return !ShareTree().HasCheckBoxes(); }));
        ASSERT_TRUE(WaitForWorker());
    }
};

TEST_F(SharePage, NextMapsTheTickedFoldersOnceAndBackOffersThemAgain) {
    AddDevice("QX-Harborbox", "10.77.0.2");
    EnterSharePageAndLoad();
    Tick({"Shared Data"});
    m_boxes->SetDecline(true);  // no shortcuts
    const DWORD lettersBefore = WNet().GetLogicalDrives();
    MapAndWaitForTheFinishPage();
    EXPECT_TRUE(m_boxes->Saw("Do you want to create Desktop shortcut(s) to the drive letter(s)?"));
    EXPECT_EQ(Status(), kFinishStatus);
    EXPECT_EQ(Text(IDC_NEXT), "Settings");
    EXPECT_EQ(Text(IDOK), "Close");
    const HTREEITEM server = ShareTree().GetRootItem();
    EXPECT_NE(FindChild(ShareTree(), server, "Shared Data (Z:)"), nullptr);
    EXPECT_EQ(LettersAddedSince(lettersBefore), 1);

    Click(IDC_BACK);
    EXPECT_EQ(m_window->State().Page(), WizardPage::Shares);
    EXPECT_EQ(Text(IDC_NEXT), "Next");
    EXPECT_EQ(Text(IDOK), "Cancel");
    EXPECT_TRUE(testbed::PumpUntil([&] { return ShareTree().HasCheckBoxes(); }));
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_SHARE_TREE)));
    EXPECT_TRUE(testbed::IsHiddenAndDisabled(Control(IDC_DEVICE_LIST)));
}

TEST_F(SharePage, AMappingSlowerThanTheWatchdogEndsOnTheFinishPageWithEachFolderMappedOnce) {
    AddDevice("QX-Harborbox", "10.77.0.2");
    EnterSharePageAndLoad();
    Tick({"Shared Data", "Shared Media"});
    m_boxes->SetDecline(true);
    const DWORD lettersBefore = WNet().GetLogicalDrives();
    HeldFirstConnection held;
    Click(IDC_NEXT);
    EXPECT_FALSE(::IsWindowEnabled(Control(IDC_NEXT)));
    EXPECT_FALSE(::IsWindowEnabled(Control(IDC_BACK)));
    // The first connection waits, and one more pass of the queue runs what the worker posted before it.
    bool entered = false;
    ASSERT_TRUE(testbed::PumpUntil([&] {
        const bool before = entered;
        entered = !HeldFirstConnection::Connected().empty();
        return before;
    }, 10000));
    // More of the progress animation's ticks than the watchdog lets any other worker stay silent.
    for (int tick = 0; tick <= kWorkerSilenceTicks + 10; ++tick)
        ::SendMessageA(m_hwnd, WM_TIMER, ID_TIMER_PROGRESS, 0);
    EXPECT_TRUE(m_window->State().IsBusy());
    EXPECT_FALSE(m_boxes->Saw("Could not get the device information from the Harborbox."));
    // Past the watchdog's time, the buttons still start nothing.
    Click(IDC_NEXT);
    Click(IDC_BACK);
    HeldFirstConnection::Release();
    MapAndWaitForTheFinishPage();
    EXPECT_EQ(m_boxes->Texts(),
              std::vector<std::string>{"Do you want to create Desktop shortcut(s) to the drive letter(s)?"});
    EXPECT_EQ(Status(), kFinishStatus);
    EXPECT_TRUE(::IsWindowEnabled(Control(IDC_NEXT)));
    EXPECT_TRUE(::IsWindowEnabled(Control(IDC_BACK)));
    const std::map<std::string, int> connected = HeldFirstConnection::Connected();
    EXPECT_EQ(connected.size(), 2u);
    for (const auto& [folder, times] : connected) EXPECT_EQ(times, 1) << folder;
    EXPECT_EQ(LettersAddedSince(lettersBefore), 2);
}

TEST_F(SharePage, AListingWorkerThatThrowsFailsAtOnceAndFreesThePage) {
    AddDevice("QX-Harborbox", "10.77.0.2");
    {
        ThrowingEnumeration broken;
        Click(IDC_NEXT);
        // At once, not after the watchdog's 30 s.
        EXPECT_TRUE(testbed::PumpUntil(
            [&] { return m_boxes->Saw("Could not get the device information from the Harborbox."); }, 5000));
        EXPECT_TRUE(WaitForWorker(1000));
    }
    Click(IDC_BACK);
    EXPECT_EQ(m_window->State().Page(), WizardPage::Devices);
}

TEST_F(SharePage, AFolderThatCouldNotBeMappedTakesTheCongratulationsAway) {
    AddDevice("QX-Harborbox", "10.77.0.2");
    EnterSharePageAndLoad();
    Tick({"Private"});
    m_boxes->SetDecline(true);
    const DWORD lettersBefore = WNet().GetLogicalDrives();
    testbed::DialogDriver password("Enter Harborbox Password",
                                   [](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    MapAndWaitForTheFinishPage();
    EXPECT_TRUE(password.Finish());
    EXPECT_EQ(Status(), std::string(kFinishStatus).substr(std::string("Congratulations! ").size()));
    EXPECT_EQ(LettersAddedSince(lettersBefore), 0);
}

TEST_F(SharePage, OpenTakesTheChosenItemsNetworkNameAndAsksForAChoiceWithoutOne) {
    AddDevice("QX-Harborbox", "10.77.0.2");
    EnterSharePageAndLoad();
    CShareTreeCtrl& tree = ShareTree();
    const HTREEITEM server = tree.GetRootItem();
    ASSERT_NE(server, nullptr);
    const HTREEITEM media = FindChild(tree, server, "Shared Media");
    ASSERT_NE(media, nullptr);

    size_t before = testbed::RecorderLog().size();
    tree.SelectItem(media);
    ::SendMessageA(m_hwnd, UM_OPEN_SHARE, 0, 0);
    EXPECT_TRUE(Opened("\\\\QX-Harborbox\\Shared Media", before));

    before = testbed::RecorderLog().size();
    tree.SelectItem(server);
    ::SendMessageA(m_hwnd, UM_OPEN_SHARE, 0, 0);
    EXPECT_TRUE(Opened("\\\\QX-Harborbox", before));

    tree.SelectItem(nullptr);
    ::SendMessageA(m_hwnd, UM_OPEN_SHARE, 0, 0);
    EXPECT_TRUE(testbed::PumpUntil([&] { return m_boxes->Saw("Highlight and select a shared folder first."); }));
}

TEST_F(SharePage, AShareNamedLikeADriveNeverTouchesTheUsersDrive) {
    testbed::ForgetDrivesAndShortcuts();
    NETRESOURCEA own = {};
    own.dwType = RESOURCETYPE_DISK;
    own.lpLocalName = const_cast<char*>("H:");
    own.lpRemoteName = const_cast<char*>("\\\\QX-Harborbox\\Shared Data");
    ASSERT_EQ(WNet().WNetAddConnection2A(&own, nullptr, nullptr, 0), static_cast<DWORD>(NO_ERROR));
    AddDevice("QX-Harborbox", "10.77.0.2");
    EnterSharePageAndLoad();

    // The file service cannot carry such a name here, so the listing holds it as the network would give it.
    CShareTreeCtrl& tree = ShareTree();
    ShareListing listing;
    listing.deviceKnown = listing.listed = true;
    listing.server = *tree.GetItemData(tree.GetRootItem());
    NETRESOURCEA share = {RESOURCE_GLOBALNET, RESOURCETYPE_DISK, RESOURCEDISPLAYTYPE_SHARE, RESOURCEUSAGE_CONNECTABLE,
                          const_cast<char*>("\\\\10.77.0.2\\Data (H:)"), const_cast<char*>("\\\\QX-Harborbox\\Data (H:)"),
                          const_cast<char*>("QX-Harborbox"), const_cast<char*>("Microsoft Windows Network")};
    listing.folders.push_back({ShareItemData(share), "Data (H:)", 4, false, false});
    tree.ShowListing(listing);
    const HTREEITEM imitation = FindChild(tree, tree.GetRootItem(), "Data (H:)");
    ASSERT_NE(imitation, nullptr);
    tree.SelectItem(imitation);

    const size_t before = testbed::RecorderLog().size();
    for (const auto& [message, wParam] : {std::pair<UINT, WPARAM>{UM_MAP_DRIVE, 0}, {UM_MAP_DRIVE, 1},
                                          {UM_OPEN_SHARE, 0}, {UM_DELETE_SHARE, 0}}) {
        ::SendMessageA(m_hwnd, message, wParam, 0);
        EXPECT_TRUE(WaitForWorker(30000));
        testbed::PumpFor(300);
        EXPECT_EQ(UniversalNameOfDrive('H'), "\\\\QX-Harborbox\\Shared Data") << message << " " << wParam;
    }
    EXPECT_EQ(testbed::RecorderLog().size(), before);  // nothing was opened
    EXPECT_TRUE(m_boxes->Saw("Cannot remove the drive letter. The network drive might be in use or disconnected."));
    EXPECT_TRUE(m_boxes->Saw("The shared folder \"Data (H:)\" has a name that Windows cannot use in a path. "
                             "It cannot be mapped, opened or given a shortcut."));
    testbed::ForgetDrivesAndShortcuts();
}
