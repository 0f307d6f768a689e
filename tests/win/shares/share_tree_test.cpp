// The share tree, drive letters and shortcuts against a simulated appliance whose shares the test bed
// put into Wine's UNC namespace, through the Windows networking stand-in.
#include "framework/com_apartment.h"
#include "platform/remembered_connections.h"
#include "platform/wine_drives.h"
#include "platform/wnet_table.h"
#include "res/command_ids.h"
#include "res/message_ids.h"
#include "res/resource.h"
#include "shares/drive_mapping.h"
#include "shares/mapped_drives.h"
#include "shares/share_tree_ctrl.h"
#include "drives_and_shortcuts.h"
#include "test_bed.h"
#include "test_wizard_host.h"
#include "widgets/tree_test_window.h"
#include "window_driver.h"
#include <gtest/gtest.h>
#include <cstring>
#include <future>
#include <shlobj.h>
#include <shobjidl.h>

namespace {
const char kServer[] = "QX-Harborbox";

using testbed::DesktopFile;
using testbed::FileExists;
using testbed::ShortcutTarget;

std::string UniversalName(char letter) {
    for (const MappedDrive& drive : ScanMappedDrives())
        if (drive.letter == letter) return drive.universalPath;
    return std::string();
}

DWORD WINAPI EveryLetterTaken() { return 0x3FFFFFF; }

int g_openEnumCalls = 0;
decltype(&::WNetOpenEnumA) g_realOpenEnum = nullptr;
DWORD WINAPI CountingOpenEnum(DWORD scope, DWORD type, DWORD usage, LPNETRESOURCEA container, LPHANDLE handle) {
    ++g_openEnumCalls;
    return g_realOpenEnum(scope, type, usage, container, handle);
}
}  // namespace

class ShareTree : public testing::Test {
protected:
    const fw::ComApartment m_apartment;  // the shortcuts are made on this thread
    void SetUp() override {
        ForgetEverything();
        m_boxes = std::make_unique<testbed::MessageBoxAnswerer>();
    }
    void TearDown() override {
        m_window.reset();
        m_boxes.reset();
        ForgetEverything();
    }

    static void ForgetEverything() { testbed::ForgetDrivesAndShortcuts(); }

    // The page as the window shows it after the loading worker handed over its listing.
    bool Show(const std::string& name, const std::string& ip, bool assignMode = true) {
        m_window.reset();
        m_window = std::make_unique<TreeTestWindow>(m_tree, assignMode);
        ShareServerQuery query;
        query.deviceName = name;
        query.ipText = ip;
        query.addressName = name;
        query.assignMode = assignMode;
        query.drives = std::async(std::launch::async, ScanMappedDrives).get();
        ShareListing listing = std::async(std::launch::async, EnumerateShares, query).get();
        const bool noShares = Tree().ShowListing(std::move(listing));
        testbed::PumpFor(50);
        return noShares;
    }
    bool ShowAppliance(bool assignMode = true) {
        return Show(kServer, testbed::Env("QM_APPLIANCE_IP", "10.77.0.2"), assignMode);
    }

    CShareTreeCtrl& Tree() { return m_tree; }
    HTREEITEM Folder(const std::string& text) {
        for (HTREEITEM item = Tree().GetChildItem(Tree().GetRootItem()); item; item = Tree().GetNextSiblingItem(item))
            if (Tree().GetItemText(item) == text) return item;
        return nullptr;
    }
    std::vector<std::string> FolderTexts() {
        std::vector<std::string> texts;
        for (HTREEITEM item = Tree().GetChildItem(Tree().GetRootItem()); item; item = Tree().GetNextSiblingItem(item))
            texts.push_back(Tree().GetItemText(item));
        return texts;
    }
    int Image(HTREEITEM item) {
        TVITEMA tvi = {};
        tvi.mask = TVIF_IMAGE;
        tvi.hItem = item;
        Tree().SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
        return tvi.iImage;
    }
    void Tick(const std::string& text) {
        const HTREEITEM item = Folder(text);
        Tree().SetCheck(item, true);
        Tree().ApplyCheckClick(item);
    }
    static DWORD Connect(char letter, const std::string& share, const char* password = nullptr) {
        std::string remote = std::string("\\\\") + kServer + "\\" + share;
        std::string device = std::string(1, letter) + ":";
        NETRESOURCEA resource = {};
        resource.dwType = RESOURCETYPE_DISK;
        resource.lpLocalName = device.data();
        resource.lpRemoteName = remote.data();
        return WNet().WNetAddConnection2A(&resource, password, nullptr, CONNECT_UPDATE_PROFILE);
    }

    std::unique_ptr<testbed::MessageBoxAnswerer> m_boxes;
    CShareTreeCtrl m_tree;
    std::unique_ptr<TreeTestWindow> m_window;
    TestWizardHost m_host;
};

TEST_F(ShareTree, ApplianceShowsItsFoldersSortedWithSuffixesAndTheSharedFilesTick) {
    ASSERT_EQ(Connect('Z', "Shared Data"), static_cast<DWORD>(NO_ERROR));
    g_openEnumCalls = 0;
    WNetTable counting = WNet();
    g_realOpenEnum = counting.WNetOpenEnumA;
    counting.WNetOpenEnumA = &CountingOpenEnum;
    const WNetTable previous = SetWNetTable(counting);

    EXPECT_FALSE(ShowAppliance());
    const HTREEITEM server = Tree().GetRootItem();
    EXPECT_EQ(Tree().GetItemText(server), kServer);
    EXPECT_EQ(Image(server), 3);
    // "config" is hidden, the private folder is shown, the mapped one carries its letter.
    const std::vector<std::string> expected = {"Private", "Shared Data (Z:)", "Shared Files", "Shared Media", "Stick"};
    EXPECT_EQ(FolderTexts(), expected);
    EXPECT_EQ(Image(Folder("Shared Media")), 4);
    EXPECT_TRUE(Tree().GetCheck(server));
    EXPECT_TRUE(Tree().GetCheck(Folder("Shared Files")));
    EXPECT_FALSE(Tree().GetCheck(Folder("Shared Data (Z:)")));
    EXPECT_FALSE(Tree().GetCheck(Folder("Shared Media")));

    // Collapsing and expanding again shows the same folders without asking the network again.
    Tree().Expand(server, TVE_COLLAPSE);
    Tree().Expand(server, TVE_EXPAND);
    testbed::PumpFor(50);
    EXPECT_EQ(FolderTexts(), expected);
    EXPECT_EQ(g_openEnumCalls, 1);
    SetWNetTable(previous);

    // Unchecking the last ticked folder unticks the server; ticking one ticks it again.
    Tree().SetCheck(Folder("Shared Files"), false);
    Tree().ApplyCheckClick(Folder("Shared Files"));
    EXPECT_FALSE(Tree().GetCheck(server));
    EXPECT_TRUE(Tree().TickedFolders().empty());
    Tick("Stick");
    EXPECT_TRUE(Tree().GetCheck(server));
}

TEST_F(ShareTree, ApplianceWithoutReachableSharesShowsTheWarningPicture) {
    EXPECT_TRUE(Show("Empty-Box", "10.77.0.3"));
    EXPECT_EQ(Tree().GetCount(), 1u);
    EXPECT_EQ(Image(Tree().GetRootItem()), 9);
    EXPECT_TRUE(Show("Gone-Box", "10.77.0.99"));  // no such server on the network at all
    EXPECT_EQ(Image(Tree().GetRootItem()), 9);
    EXPECT_TRUE(Tree().NoShareResources());
}

TEST_F(ShareTree, TickedFoldersGetLettersFromZDownAndShortcutsThatRemovalTakesAway) {
    ShowAppliance();
    Tick("Shared Media");
    const MappingOutcome outcome = MapCheckedShares(Tree().TickedFolders(), m_host);
    EXPECT_EQ(outcome.result, OperationResult::Done());
    EXPECT_TRUE(outcome.createShortcuts);
    EXPECT_TRUE(m_boxes->Saw("Do you want to create Desktop shortcut(s) to the drive letter(s)?"));
    ASSERT_EQ(outcome.drives.size(), 2u);
    EXPECT_EQ(outcome.drives[0].letter, 'Y');
    EXPECT_EQ(outcome.drives[0].universalPath, "\\\\QX-Harborbox\\Shared Media");
    EXPECT_EQ(outcome.drives[1].letter, 'Z');
    EXPECT_EQ(outcome.drives[1].universalPath, "\\\\QX-Harborbox\\Shared Files");
    const std::string linkZ = DesktopFile("Shared Files on QX-Harborbox (Harborbox) (Z).lnk");
    const std::string linkY = DesktopFile("Shared Media on QX-Harborbox (Harborbox) (Y).lnk");
    EXPECT_EQ(ShortcutTarget(linkZ), "Z:\\");
    EXPECT_EQ(ShortcutTarget(linkY), "Y:\\");
    EXPECT_TRUE(IsRemembered('Z'));

    // The drive is the appliance's folder.
    const HANDLE file = ::CreateFileA("Z:\\through-z.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ::CloseHandle(file);
    EXPECT_TRUE(FileExists("\\\\QX-Harborbox\\Shared Files\\through-z.txt"));

    // Removing Z takes its shortcut and memory away, and nothing of Y.
    ShowAppliance();
    const HTREEITEM filesItem = Folder("Shared Files (Z:)");
    ASSERT_NE(filesItem, nullptr);
    const auto data = Tree().GetItemData(filesItem);
    const DriveLetterChange change = MapOrRemoveDriveLetter(false, *data, "",
                                                            m_window->m_hWnd, m_host);
    EXPECT_EQ(change.result, OperationResult::Done());
    EXPECT_EQ(change.currentLetter, "");
    EXPECT_FALSE(FileExists(linkZ));
    EXPECT_TRUE(FileExists(linkY));
    EXPECT_FALSE(IsRemembered('Z'));
    EXPECT_EQ(WNet().GetLogicalDrives() & (1u << ('Z' - 'A')), 0u);
    EXPECT_EQ(UniversalName('Y'), "\\\\QX-Harborbox\\Shared Media");
    EXPECT_TRUE(m_host.m_failures.empty());
}

TEST_F(ShareTree, PrivateFolderAsksOnceAndAWrongPasswordLeavesNothingBehind) {
    ShowAppliance();
    Tree().SetCheck(Folder("Shared Files"), false);
    Tree().ApplyCheckClick(Folder("Shared Files"));
    Tick("Private");
    m_host.m_passwords = {std::string("wrong")};
    const MappingOutcome failed = MapCheckedShares(Tree().TickedFolders(), m_host);
    EXPECT_EQ(failed.result, OperationResult::Failed(Win32Error{ERROR_INVALID_PASSWORD}));
    EXPECT_EQ(m_host.m_promptedFor, std::vector<std::string>{"\\\\QX-Harborbox\\Private"});
    const std::vector<std::string> texts = m_boxes->Texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().find("Invalid password."), 0u) << texts.back();
    EXPECT_NE(texts.back().find("Could not map the network shared folder \\\\QX-Harborbox\\Private (Z:)."),
              std::string::npos)
        << texts.back();
    EXPECT_EQ(WNet().GetLogicalDrives() & (1u << ('Z' - 'A')), 0u);
    EXPECT_FALSE(IsRemembered('Z'));
    EXPECT_FALSE(FileExists(DesktopFile("Private on QX-Harborbox (Harborbox) (Z).lnk")));

    m_host.m_promptedFor.clear();
    m_host.m_passwords = {std::string("letmein")};
    const MappingOutcome mapped = MapCheckedShares(Tree().TickedFolders(), m_host);
    EXPECT_EQ(mapped.result, OperationResult::Done());
    EXPECT_EQ(m_host.m_promptedFor.size(), 1u);
    EXPECT_EQ(UniversalName('Z'), "\\\\QX-Harborbox\\Private");
}

TEST_F(ShareTree, MapNetworkDriveDialogConnectsTheLetterChosenThere) {
    ShowAppliance(false);
    const HTREEITEM media = Folder("Shared Media");
    ASSERT_NE(media, nullptr);
    std::string shownPath;
    bool readOnly = false;
    testbed::DialogDriver driver("Map Network Drive", [&](HWND dialog) {
        shownPath = testbed::ItemText(dialog, IDC_MAP_FOLDER_PATH);
        readOnly = (::GetWindowLongA(::GetDlgItem(dialog, IDC_MAP_FOLDER_PATH), GWL_STYLE) & ES_READONLY) != 0;
        ::SendMessageA(::GetDlgItem(dialog, IDC_MAP_DRIVE_LETTER), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>("X:"));
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    const DriveLetterChange change = MapOrRemoveDriveLetter(
        true, *Tree().GetItemData(media), "", m_window->m_hWnd, m_host);
    ASSERT_TRUE(driver.Finish());
    EXPECT_EQ(shownPath, "\\\\QX-Harborbox\\Shared Media");
    EXPECT_TRUE(readOnly);
    EXPECT_EQ(change.result, OperationResult::Done());
    EXPECT_EQ(change.currentLetter, "X");
    EXPECT_EQ(UniversalName('X'), "\\\\QX-Harborbox\\Shared Media");
    EXPECT_EQ(ShortcutTarget(DesktopFile("Shared Media on QX-Harborbox (Harborbox) (X).lnk")), "X:\\");

    // The refilled server item shows the new letter.
    ShareServerQuery query{kServer, testbed::Env("QM_APPLIANCE_IP", "10.77.0.2"), kServer, false, change.drives};
    Tree().RefreshServer(std::async(std::launch::async, EnumerateShares, query).get());
    EXPECT_NE(Folder("Shared Media (X:)"), nullptr);
}

TEST_F(ShareTree, RememberedConnectionsAreNotFreeAndComeBackAtStart) {
    ASSERT_EQ(Connect('Z', "Shared Media"), static_cast<DWORD>(NO_ERROR));
    ASSERT_TRUE(RemoveDrive('Z'));  // the link is lost, as after a new prefix; the memory stays
    EXPECT_EQ(UniversalName('Z'), "");
    EXPECT_EQ(FindFreeDriveLetter(), "Y");
    RestoreRememberedConnections();
    EXPECT_EQ(UniversalName('Z'), "\\\\QX-Harborbox\\Shared Media");
    // A folder that is already connected, or a letter that is taken, is refused.
    EXPECT_EQ(Connect('Z', "Shared Data"), static_cast<DWORD>(ERROR_ALREADY_ASSIGNED));
    EXPECT_EQ(Connect('Y', "No Such Share"), static_cast<DWORD>(ERROR_BAD_NET_NAME));
    EXPECT_FALSE(IsRemembered('Y'));
}

TEST_F(ShareTree, MenusAndDoubleClickBecomeMessagesForTheWindow) {
    ShowAppliance(false);
    const auto rightClick = [&](HTREEITEM item) {
        RECT rect = {};
        std::memcpy(&rect, &item, sizeof item);
        Tree().SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
        POINT point = {rect.left + 4, (rect.top + rect.bottom) / 2};
        ::ClientToScreen(Tree().m_hWnd, &point);
        ::SetCursorPos(point.x, point.y);
        // The menu places itself where the last message found the pointer.
        ::PostMessageA(m_window->m_hWnd, WM_NULL, 0, 0);
        testbed::PumpFor(50);
        testbed::MenuSpy spy(Tree().m_hWnd);
        NMHDR header = {Tree().m_hWnd, 1000, static_cast<UINT>(NM_RCLICK)};
        ::SendMessageA(m_window->m_hWnd, WM_NOTIFY, 1000, reinterpret_cast<LPARAM>(&header));
        std::vector<std::string> texts;
        for (const auto& entry : spy.Finish().items) texts.push_back(entry.text);
        return texts;
    };
    const HTREEITEM server = Tree().GetRootItem();
    const HTREEITEM media = Folder("Shared Media");
    EXPECT_EQ(rightClick(media),
              (std::vector<std::string>{"Open", "", "Map Network Drive...", "", "Delete Shared Folder"}));
    EXPECT_EQ(Tree().GetSelectedItem(), media);
    EXPECT_EQ(rightClick(server), (std::vector<std::string>{"Manage", "", "Open", "", "Add a Shared Folder"}));
    // In another language the appliance's own pages are not offered.
    Tree().SetManagementOffered(false);
    EXPECT_EQ(rightClick(server), (std::vector<std::string>{"Manage", "", "Open"}));
    EXPECT_EQ(rightClick(media), (std::vector<std::string>{"Open", "", "Map Network Drive..."}));

    m_window->m_posted.clear();
    Tree().SendMessage(WM_COMMAND, ID_SHARE_MAP_DRIVE);
    Tree().SendMessage(WM_COMMAND, ID_DEVICE_MANAGE_SHARE);
    // A double-click opens the selected item only, and never folds the tree.
    RECT rect = {};
    std::memcpy(&rect, &server, sizeof server);
    Tree().SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
    const LPARAM onServer = MAKELPARAM(rect.left + 4, (rect.top + rect.bottom) / 2);
    Tree().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, onServer);
    Tree().SelectItem(server);
    Tree().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, onServer);
    testbed::PumpFor(50);
    EXPECT_EQ(m_window->m_posted, (std::vector<UINT>{UM_MAP_DRIVE, UM_MANAGE_DEVICE, UM_OPEN_SHARE}));
    EXPECT_TRUE(Tree().SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(server), TVIS_EXPANDED) & TVIS_EXPANDED);
}

TEST_F(ShareTree, WithNoLetterFreeTheConnectionFailsInTheUsualWordsAndLeavesNothing) {
    ShowAppliance();
    WNetTable full = WNet();
    full.GetLogicalDrives = &EveryLetterTaken;
    const WNetTable previous = SetWNetTable(full);
    EXPECT_EQ(FindFreeDriveLetter(), "");
    const MappingOutcome outcome = MapCheckedShares(Tree().TickedFolders(), m_host);
    SetWNetTable(previous);
    EXPECT_EQ(outcome.result.outcome, Outcome::Failed);
    EXPECT_TRUE(std::holds_alternative<Win32Error>(outcome.result.cause));
    EXPECT_TRUE(m_boxes->Saw("Could not map the network shared folder \\\\QX-Harborbox\\Shared Files (:)."));
    EXPECT_FALSE(FileExists(DesktopFile("Shared Files on QX-Harborbox (Harborbox) ().lnk")));
    EXPECT_TRUE(RememberedConnections().empty());
}
