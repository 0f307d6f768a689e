// Adding and deleting shared folders from the share tree's menu, against the simulated appliance: what the
// user is asked and told, what the appliance received (its request log), its share folders in Wine's UNC
// namespace, drive letters and shortcuts.
#include "app/tray_icon.h"
#include "app/wizard_fixture.h"
#include "framework/com_apartment.h"
#include "platform/remembered_connections.h"
#include "platform/wnet_table.h"
#include "shares/desktop_shortcut.h"
#include "shares/drives_and_shortcuts.h"
#include "shares/test_wizard_host.h"
#include "test_bed.h"
#include "webmgmt/basic_credentials.h"
#include "webmgmt/web_requests.h"
#include <shlobj.h>
#include <algorithm>
#include <cstring>
#include <map>

namespace {
using testbed::DesktopFile;
using testbed::FileExists;

// Text in the ANSI code page, as a user types it.
std::string Typed(const wchar_t* text) {
    char ansi[256] = {};
    ::WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof ansi, nullptr, nullptr);
    return ansi;
}

const std::string kPassword = Typed(L"s3cret-\u00C4\u00E9\u00DF");
const char kPasswordUtf8[] = "s3cret-\xC3\x84\xC3\xA9\xC3\x9F";

std::function<void(HWND)> LogIn(const std::string& password) {
    return [password](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_USER_NAME_EDIT, "admin");
        ::SetDlgItemTextA(dialog, IDC_PASSWORD_EDIT, password.c_str());
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
}

void Choose(HWND dialog, int comboId, const char* text) {
    ::SendMessageA(::GetDlgItem(dialog, comboId), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(text));
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[64] = {};
        ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}
}  // namespace

class ShareAdmin : public DriveWizardFixture {
protected:
    void SetUp() override {
        m_earlierRequests = testbed::WebRequests().size();
        DriveWizardFixture::SetUp();
    }

    // The requests of this test that the appliance received, whose request line contains `part`.
    std::vector<testbed::WebRequest> RequestsFor(const std::string& part) const {
        const std::vector<testbed::WebRequest> all = testbed::WebRequests();
        std::vector<testbed::WebRequest> found;
        for (size_t i = m_earlierRequests; i < all.size(); ++i)
            if (all[i].requestLine.find(part) != std::string::npos) found.push_back(all[i]);
        return found;
    }

    // The appliance listed, selected and its share page loaded; login as the entry last had it.
    void ShowSharesOf(const std::string& name, const std::string& ip, const std::string& password = kPassword) {
        DeviceEntry& entry = AddDevice(name, ip);
        if (!password.empty()) {
            CopyToField(entry.userName, "admin", 5);
            CopyToField(entry.password, password.c_str(), password.size());
        }
        List();
        EnterSharePageAndLoad();
    }
    void ShowQxShares(const std::string& password = kPassword) { ShowSharesOf("QX-Harborbox", "10.77.0.2", password); }

    HTREEITEM Folder(const std::string& text) {
        CShareTreeCtrl& tree = ShareTree();
        for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item; item = tree.GetNextSiblingItem(item))
            if (tree.GetItemText(item) == text) return item;
        return nullptr;
    }
    bool HasFolder(const std::string& text) { return Folder(text) != nullptr; }
    std::string FolderTexts() {
        std::string texts;
        CShareTreeCtrl& tree = ShareTree();
        for (HTREEITEM item = tree.GetChildItem(tree.GetRootItem()); item; item = tree.GetNextSiblingItem(item))
            texts += "[" + tree.GetItemText(item) + "]";
        return texts;
    }
    // The requests that carried the login: the change itself, not its refused first attempt.
    static size_t WithLogin(const std::vector<testbed::WebRequest>& requests) {
        return static_cast<size_t>(std::count_if(requests.begin(), requests.end(), [](const testbed::WebRequest& r) {
            return !r.Values("Authorization").empty();
        }));
    }

    // A menu command of the share tree, as the tree posts it; returns once its worker, and the reload of
    // the tree it may have asked for, are done.
    void Run(UINT message, const std::string& folder = "") {
        if (!folder.empty()) {
            const HTREEITEM item = Folder(folder);
            ASSERT_NE(item, nullptr) << folder;
            ShareTree().SelectItem(item);
        }
        ::SendMessageA(m_hwnd, message, 0, 0);
        EXPECT_TRUE(WaitForWorker(30000));
        // The reload was asked for ahead of the result, so its timer is set by now: it fires at once.
        if (!::KillTimer(m_hwnd, ID_TIMER_LOAD_SHARES)) return;
        ::SendMessageA(m_hwnd, WM_TIMER, ID_TIMER_LOAD_SHARES, 0);
        EXPECT_TRUE(WaitForWorker(10000));
    }

    static std::string Unc(const std::string& server, const std::string& share) {
        return "\\\\" + server + "\\" + share;
    }
    size_t m_earlierRequests = 0;
};

// Apart from the others, which change what the appliance has.
class ShareAdminBytes : public ShareAdmin {};

// The operations as a worker runs them: a cancelled login or a declined question is no failure, and a
// failure says why; nothing changes on the appliance. First of its line: the others change the folders.
TEST_F(ShareAdmin, EachOperationEndsDoneCancelledOrFailedWithItsCause) {
    using Operation = OperationResult (*)(ShareOperationWork&, WizardHost&);
    struct Case {
        const char* what;
        Operation run;
        const char* device;
        std::string password;  // the entry's login; empty: the prompt comes, and is cancelled
        const char* folder;    // the selected folder, if any
        const char* decline;   // the question answered No
        OperationResult expected;
        std::vector<unsigned> failures;
    };
    const std::vector<Case> cases = {
        {"no volumes", &AddSharedFolder, "Bare-Box", "", nullptr, "", OperationResult::Failed(OwnFailure::NoVolumes),
         {IDS_NO_VOLUMES}},
        {"nothing selected", &DeleteSharedFolder, "QX-Harborbox", kPassword, nullptr, "",
         OperationResult::Failed(OwnFailure::NothingSelected), {IDS_SELECT_SHARE_FIRST}},
        {"login cancelled", &DeleteSharedFolder, "QX-Harborbox", "", "Photos", "", OperationResult::Cancelled(), {}},
        {"deletion declined", &DeleteSharedFolder, "QX-Harborbox", kPassword, "Photos", "will erase all data",
         OperationResult::Cancelled(), {}},
        {"removal declined", &DeleteSharedFolder, "QX-Harborbox", kPassword, "Stick", "safely remove",
         OperationResult::Cancelled(), {}},
        {"not listed", &DeleteSharedFolder, "QX-Harborbox", kPassword, "Stray", "",
         OperationResult::Failed(OwnFailure::ShareNotListed), {IDS_SHARE_NOT_FOUND}},
    };
    const std::map<std::string, std::string> addresses = {{"QX-Harborbox", "10.77.0.2"}, {"Bare-Box", "10.77.0.4"}};
    for (const Case& c : cases) {
        ShareOperationWork work;
        CopyToField(work.entry.name, c.device, std::strlen(c.device));
        const std::string& ip = addresses.at(c.device);
        CopyToField(work.entry.ipText, ip.c_str(), ip.size());
        if (!c.password.empty()) CopyToField(work.entry.userName, "admin", 5);
        CopyToField(work.entry.password, c.password.c_str(), c.password.size());
        work.addressName = c.device;
        work.owner = m_hwnd;
        if (c.folder) {
            work.selected.emplace();
            work.selected->remoteName = Unc(c.device, c.folder);
        }
        m_boxes->DeclineWhen(c.decline);
        TestWizardHost host;
        EXPECT_EQ(c.run(work, host), c.expected) << c.what;
        EXPECT_EQ(host.m_failures, c.failures) << c.what;
    }
    EXPECT_TRUE(RequestsFor("_result.asp").empty());
}

TEST_F(ShareAdmin, APublicShareWithADriveLetterAndShortcutAppearsEverywhere) {
    ShowQxShares();
    const std::string cafe = Typed(L"Caf\u00E9");
    bool publicChecked = false, passwordsEnabled = true;
    std::vector<std::string> volumes, drives;
    testbed::DialogDriver add("Add a Shared Folder", [&](HWND dialog) {
        publicChecked = ::IsDlgButtonChecked(dialog, IDC_SHARE_PUBLIC) == BST_CHECKED;
        passwordsEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_SHARE_PASSWORD)) ||
                           ::IsWindowEnabled(::GetDlgItem(dialog, IDC_SHARE_CONFIRM));
        volumes = ComboItems(::GetDlgItem(dialog, IDC_SHARE_VOLUME));
        drives = ComboItems(::GetDlgItem(dialog, IDC_SHARE_DRIVE));
        ::SetDlgItemTextA(dialog, IDC_NEW_SHARE_NAME, cafe.c_str());
        Choose(dialog, IDC_SHARE_VOLUME, "Volume_2");
        Choose(dialog, IDC_SHARE_DRIVE, "X");
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    Run(UM_ADD_SHARE);
    ASSERT_TRUE(add.Finish());
    EXPECT_TRUE(publicChecked);
    EXPECT_FALSE(passwordsEnabled);
    EXPECT_EQ(volumes, (std::vector<std::string>{"Volume_1", "Volume_2"}));
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives.front(), "None");
    EXPECT_EQ(drives[1], "Z");

    // The name went out in UTF-8, whatever the code page it was typed in.
    EXPECT_EQ(WithLogin(RequestsFor("addshare_process.asp")), 1u);
    EXPECT_EQ(WithLogin(RequestsFor("new_share_name=Caf%C3%A9&new_share_pool=Volume_2&share_password= ")), 1u);
    EXPECT_TRUE(m_boxes->Saw("Shared folder " + Unc("QX-Harborbox", cafe) + " successfully created."));
    EXPECT_TRUE(m_boxes->Saw("Do you want to create Desktop shortcut(s) to the drive letter(s)?"));

    EXPECT_TRUE(HasFolder(cafe + " (X:)")) << FolderTexts();
    EXPECT_TRUE(IsRemembered('X'));
    const std::string link = DesktopFile(cafe + " on QX-Harborbox (Harborbox) (X).lnk");
    EXPECT_EQ(testbed::ShortcutTarget(link), "X:\\");
    // The drive opens the appliance's new folder.
    const HANDLE file = ::CreateFileA("X:\\through-x.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ::CloseHandle(file);
    EXPECT_TRUE(FileExists(Unc("QX-Harborbox", cafe) + "\\through-x.txt"));
    EXPECT_TRUE(m_window->State().CreateShortcuts());
}

TEST_F(ShareAdmin, TheDialogKeepsRefusingUntilCancelledAndThenNothingIsSent) {
    ShowQxShares();
    std::vector<bool> openAfterEachOk;
    bool privateEnables = false;
    testbed::DialogDriver add("Add a Shared Folder", [&](HWND dialog) {
        const auto ok = [&] {
            ::SendMessageA(dialog, WM_COMMAND, IDOK, 0);  // returns once the refusal was answered
            openAfterEachOk.push_back(::IsWindow(dialog) && ::IsWindowVisible(dialog));
        };
        ok();  // no name
        ::SetDlgItemTextA(dialog, IDC_NEW_SHARE_NAME, "a|b");
        ok();
        ::SetDlgItemTextA(dialog, IDC_NEW_SHARE_NAME, "config");
        ok();
        ::SetDlgItemTextA(dialog, IDC_NEW_SHARE_NAME, "Config");
        ::SendMessageA(::GetDlgItem(dialog, IDC_SHARE_PRIVATE), BM_CLICK, 0, 0);
        privateEnables = ::IsWindowEnabled(::GetDlgItem(dialog, IDC_SHARE_PASSWORD)) &&
                         ::IsWindowEnabled(::GetDlgItem(dialog, IDC_SHARE_CONFIRM));
        ok();  // both passwords blank
        ::SetDlgItemTextA(dialog, IDC_SHARE_PASSWORD, "one");
        ::SetDlgItemTextA(dialog, IDC_SHARE_CONFIRM, "One");
        ok();
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Run(UM_ADD_SHARE);
    ASSERT_TRUE(add.Finish());
    EXPECT_EQ(openAfterEachOk, std::vector<bool>(5, true));
    EXPECT_TRUE(privateEnables);
    EXPECT_EQ(m_boxes->Texts(), (std::vector<std::string>{
                                    "Enter a name for the shared folder",
                                    "A shared folder name cannot contain any of the following characters:\n"
                                    "\\ / : * ? \" < > |",
                                    "Shared folder config is reserved. Choose a different name.",
                                    "Password should not be blank.",
                                    "Passwords do not match.",
                                }));
    EXPECT_TRUE(RequestsFor("addshare_process.asp").empty());
}

TEST_F(ShareAdmin, APublicShareSendsNoPasswordTypedBeforeSwitchingBack) {
    ShowQxShares();
    testbed::DialogDriver add("Add a Shared Folder", [](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_NEW_SHARE_NAME, "Open-Door");
        ::SendMessageA(::GetDlgItem(dialog, IDC_SHARE_PRIVATE), BM_CLICK, 0, 0);
        ::SetDlgItemTextA(dialog, IDC_SHARE_PASSWORD, "typed-then-dropped");
        ::SetDlgItemTextA(dialog, IDC_SHARE_CONFIRM, "typed-then-dropped");
        ::SendMessageA(::GetDlgItem(dialog, IDC_SHARE_PUBLIC), BM_CLICK, 0, 0);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    Run(UM_ADD_SHARE);
    ASSERT_TRUE(add.Finish());
    EXPECT_EQ(WithLogin(RequestsFor("new_share_name=Open-Door&new_share_pool=Volume_1&share_password= ")), 1u);
    EXPECT_TRUE(RequestsFor("typed-then-dropped").empty());
}

TEST_F(ShareAdmin, AnApplianceWithoutVolumesGetsNoDialog) {
    ShowSharesOf("Bare-Box", "10.77.0.4", "");
    // No one closes a dialog here: had it opened, the operation would not have finished.
    Run(UM_ADD_SHARE);
    EXPECT_EQ(::FindWindowA(nullptr, "Add a Shared Folder"), nullptr);
    EXPECT_TRUE(m_boxes->Saw("Could not get the volume information from your Harborbox. If you recently changed the "
                             "Harborbox's device name, you may need to turn off your Harborbox and back on."));
}

TEST_F(ShareAdmin, AFailedCreationStillTriesTheDriveLetterAndSaysSo) {
    ShowSharesOf("Full-Box", "10.77.0.3", "");
    testbed::DialogDriver add("Add a Shared Folder", [&](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_NEW_SHARE_NAME, "New");
        Choose(dialog, IDC_SHARE_DRIVE, "W");
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    Run(UM_ADD_SHARE);
    ASSERT_TRUE(add.Finish());
    const std::vector<std::string> texts = m_boxes->Texts();
    const auto created = std::find(texts.begin(), texts.end(), "Could not create the share.");
    ASSERT_NE(created, texts.end());
    EXPECT_NE(std::find(created, texts.end(), "Cannot map the drive letter now."), texts.end());
    EXPECT_EQ(WNet().GetLogicalDrives() & (1u << ('W' - 'A')), 0u);
    EXPECT_FALSE(IsRemembered('W'));
}

TEST_F(ShareAdmin, DeletingADatedFolderNextToItsNamesakeDeletesOnlyIt) {
    ShowQxShares();
    Run(UM_DELETE_SHARE, "Photos (2020)");
    const std::string path = Unc("QX-Harborbox", "Photos (2020)");
    EXPECT_TRUE(m_boxes->Saw("Deleting shared folder " + path + " will erase all data in that folder. Are you sure?"));
    EXPECT_TRUE(m_boxes->Saw("Are you really sure you want to delete the shared folder now?"));
    EXPECT_TRUE(m_boxes->Saw("Shared folder " + path + " successfully deleted."));
    ASSERT_EQ(WithLogin(RequestsFor("delete_share_result.asp")), 1u);
    EXPECT_EQ(WithLogin(RequestsFor("delete_share_result.asp?share=Photos%20%282020%29&pool=Volume_2 ")), 1u);
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(FileExists(Unc("QX-Harborbox", "Photos")));
    EXPECT_FALSE(HasFolder("Photos (2020)"));
    EXPECT_TRUE(HasFolder("Photos"));
}

TEST_F(ShareAdmin, NoToEitherQuestionDeletesNothing) {
    ShowQxShares();
    m_boxes->DeclineWhen("will erase all data");
    Run(UM_DELETE_SHARE, "Photos");
    m_boxes->DeclineWhen("really sure");
    Run(UM_DELETE_SHARE, "Photos");
    EXPECT_TRUE(m_boxes->Saw("Are you really sure you want to delete the shared folder now?"));
    EXPECT_TRUE(RequestsFor("delete_share_result.asp").empty());
    EXPECT_TRUE(FileExists(Unc("QX-Harborbox", "Photos")));
}

TEST_F(ShareAdmin, DeletingAMappedFolderTakesItsLetterAndShortcutFirst) {
    std::string device = "Y:", remote = Unc("QX-Harborbox", "Shared Media");
    NETRESOURCEA resource = {};
    resource.dwType = RESOURCETYPE_DISK;
    resource.lpLocalName = device.data();
    resource.lpRemoteName = remote.data();
    ASSERT_EQ(WNet().WNetAddConnection2A(&resource, nullptr, nullptr, CONNECT_UPDATE_PROFILE),
              static_cast<DWORD>(NO_ERROR));
    const std::string link = "Shared Media on QX-Harborbox (Harborbox) (Y)";
    CreateDesktopShortcut(CSIDL_DESKTOP, link, "Y:\\");
    ASSERT_TRUE(FileExists(DesktopFile(link + ".lnk")));
    ShowQxShares();
    Run(UM_DELETE_SHARE, "Shared Media (Y:)");
    EXPECT_EQ(WithLogin(RequestsFor("delete_share_result.asp?share=Shared%20Media&pool=Volume_1 ")), 1u);
    EXPECT_EQ(WNet().GetLogicalDrives() & (1u << ('Y' - 'A')), 0u);
    EXPECT_FALSE(IsRemembered('Y'));
    EXPECT_FALSE(FileExists(DesktopFile(link + ".lnk")));
    EXPECT_FALSE(FileExists(remote));
    EXPECT_FALSE(HasFolder("Shared Media"));
}

TEST_F(ShareAdmin, AFolderOnTheUsbDiskIsOfferedSafeRemovalNeverDeletion) {
    ShowQxShares();
    m_boxes->DeclineWhen("safely remove the disk instead");
    Run(UM_DELETE_SHARE, "Stick");
    EXPECT_EQ(m_boxes->Texts().size(), 1u);  // the question and nothing after it
    EXPECT_TRUE(RequestsFor("safely_remove_disk").empty());

    m_boxes->DeclineWhen("");
    Run(UM_DELETE_SHARE, "Stick");
    EXPECT_EQ(WithLogin(RequestsFor("safely_remove_disk_result.asp?disk=usbdisk1 ")), 1u);
    EXPECT_TRUE(m_boxes->Saw("The external USB drive is safely removed."));
    EXPECT_TRUE(RequestsFor("delete_share_result.asp").empty());
    EXPECT_FALSE(FileExists(Unc("QX-Harborbox", "Stick")));
    EXPECT_FALSE(HasFolder("Stick"));
}

TEST_F(ShareAdmin, AFolderTheApplianceDoesNotListIsNotFound) {
    ASSERT_TRUE(::CreateDirectoryA(Unc("QX-Harborbox", "Stray").c_str(), nullptr));
    ShowQxShares();
    Run(UM_DELETE_SHARE, "Stray");
    ::RemoveDirectoryA(Unc("QX-Harborbox", "Stray").c_str());
    EXPECT_TRUE(m_boxes->Saw("The shared folder was not found in your Harborbox. You may need to turn off your "
                             "Harborbox and back on or restart Windows to flush out the shared information from "
                             "the cache buffer."));
    EXPECT_TRUE(RequestsFor("delete_share_result.asp").empty());
}

TEST_F(ShareAdmin, ACancelledLoginEndsSilently) {
    ShowQxShares("");
    testbed::DialogDriver login("Enter Harborbox Password",
                                [](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    Run(UM_DELETE_SHARE, "Photos");
    EXPECT_TRUE(login.Finish());
    EXPECT_TRUE(m_boxes->Texts().empty());
    EXPECT_EQ(RequestsFor("").size(), 1u);  // the share list, refused
}

TEST_F(ShareAdmin, AWrongLoginTwiceIsReported) {
    ShowQxShares("wrong");
    testbed::DialogDriver login("Enter Harborbox Password", LogIn("still wrong"));
    Run(UM_DELETE_SHARE, "Photos");
    EXPECT_TRUE(login.Finish());
    EXPECT_EQ(m_boxes->Texts(), std::vector<std::string>{"Invalid username or password."});
    EXPECT_TRUE(RequestsFor("delete_share_result.asp").empty());
}

// The typed administrator password reaches the appliance as the bytes each kind of page means: the share
// pages in the ANSI code page as typed, the device-name page in UTF-8; never converted twice.
TEST_F(ShareAdminBytes, ATypedPasswordReachesTheApplianceAsExactBytes) {
    ShowQxShares("");
    testbed::DialogDriver shareLogin("Enter Harborbox Password", LogIn(kPassword));
    m_boxes->DeclineWhen("safely remove the disk instead");
    Run(UM_DELETE_SHARE, "Stick");
    ASSERT_TRUE(shareLogin.Finish());
    // Refused without a login, then the prompt; the typed login answers the challenge.
    const auto shareInfo = RequestsFor("share_info.asp");
    ASSERT_EQ(shareInfo.size(), 3u);
    EXPECT_EQ(WithLogin(shareInfo), 1u);
    EXPECT_EQ(shareInfo[2].Values("Authorization"), std::vector<std::string>{BasicAuthorization("admin", kPassword)});
    EXPECT_TRUE(m_boxes->Saw("This is a shared folder in the external USB drive connected to the Harborbox and "
                             "cannot be deleted here.\n\nDo you want to safely remove the disk instead?"));

    // The device-name page, after a scan that forgot every login: the login is asked again.
    Click(IDC_BACK);
    DeviceEntry& entry = m_listed.devices.front();
    const uint8_t data[8] = {0, 0, 0x00, 0x11, 0x32, 0xAA, 0x34, 0x56};
    std::memcpy(entry.deviceData, data, sizeof data);
    CopyToField(entry.userName, "", 0);
    CopyToField(entry.password, "", 0);
    List();
    testbed::DialogDriver nameLogin("Enter Harborbox Password", LogIn(kPassword));
    ::SendMessageA(m_hwnd, WM_COMMAND, ID_DEVICE_UNIQUE_NAME, 0);
    EXPECT_TRUE(WaitForWorker(15000));
    ASSERT_TRUE(nameLogin.Finish());
    const auto rename = RequestsFor("processnetworkname.asp");
    ASSERT_EQ(rename.size(), 3u);
    EXPECT_EQ(WithLogin(rename), 1u);
    EXPECT_EQ(rename[2].Values("Authorization"), std::vector<std::string>{BasicAuthorization("admin", kPasswordUtf8)});
    EXPECT_EQ(DeviceList().GetItemText(0, 0), "Harborbox-3456");
}

// A rescan from the tray while the share page shows, listing the appliances in another order: the page stays
// with the appliance it was entered for, and a deletion reaches that appliance alone. Last of its line: it
// deletes Photos.
TEST_F(ShareAdmin, ATrayRescanKeepsTheSharePagesApplianceForADeletion) {
    ASSERT_TRUE(m_window->StartScan(false));
    ASSERT_TRUE(testbed::PumpUntil([&] { return !m_window->State().IsScanning(); }, 15000));
    m_listed = m_window->State().Registry();
    m_listed.devices.reverse();   // the chosen appliance first, which the rescan's sorted list has last
    m_listed.scanStartTime = 0;  // long ago: the tray menu rescans first
    List();
    ASSERT_EQ(DeviceList().GetItemText(0, 0), "QX-Harborbox");
    DeviceList().SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    EnterSharePageAndLoad();
    ASSERT_TRUE(HasFolder("Photos")) << FolderTexts();

    testbed::MenuSpy spy(m_hwnd, 15000);
    ::SendMessageA(m_hwnd, WM_TRAY_CALLBACK, ID_TRAY_ICON, WM_RBUTTONUP);
    testbed::PumpUntil([&] { return spy.Done(); }, 16000);
    ASSERT_TRUE(spy.Finish().shown);
    ASSERT_EQ(DeviceList().GetItemText(2, 0), "QX-Harborbox");  // the rescan's order
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_SHARE_TREE)));

    testbed::DialogDriver login("Enter Harborbox Password", LogIn(kPassword));
    Run(UM_DELETE_SHARE, "Photos");
    EXPECT_TRUE(login.Finish());
    std::vector<std::string> addresses;
    for (const testbed::WebRequest& request : RequestsFor("")) addresses.push_back(request.to);
    EXPECT_EQ(std::count(addresses.begin(), addresses.end(), "10.77.0.2"), static_cast<long>(addresses.size()));
    EXPECT_EQ(WithLogin(RequestsFor("delete_share_result.asp?share=Photos&pool=Volume_1 ")), 1u);
    EXPECT_FALSE(FileExists(Unc("QX-Harborbox", "Photos")));
}
