// Names from the network that would be switches or paths, and two appliances of one name: the program
// addresses the chosen appliance by its IP and hands no name to a command line.
#include "app/tray_commands.h"
#include "copy/file_drop.h"
#include "copy/scratch_files.h"
#include "framework/com_apartment.h"
#include "shares/drives_and_shortcuts.h"
#include "shares/mapped_drives.h"
#include "test_bed.h"
#include "wizard_fixture.h"
#include <sstream>

namespace {
// What the browser and file-manager stand-in was started with since `from`, one command line each.
std::vector<std::string> RecordedSince(size_t from) {
    std::vector<std::string> lines;
    std::istringstream log(testbed::RecorderLog().substr(from));
    for (std::string line; std::getline(log, line);)
        if (!line.empty()) lines.push_back(line);
    return lines;
}

// The appliance-side log lines of HTTP requests that reached `ip`.
std::vector<std::string> WebLinesTo(const std::string& ip) {
    std::vector<std::string> lines;
    for (const std::string& line : testbed::SimLogLines())
        if (line.find(" -> " + ip + ":") != std::string::npos && line.find(" http ") != std::string::npos)
            lines.push_back(line);
    return lines;
}

bool AnyContains(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines)
        if (line.find(part) != std::string::npos) return true;
    return false;
}
}  // namespace

class NetworkNamesFixture : public DriveWizardFixture {
protected:
    void SetUp() override {
        DriveWizardFixture::SetUp();
        m_window->StartScan(true);
        ASSERT_TRUE(testbed::PumpUntil([&] { return !m_window->State().IsScanning(); }, 20000));
        testbed::PumpFor(300);
    }
    int PositionOf(const std::string& ip) {
        int position = 0;
        for (const DeviceEntry& entry : m_window->State().Registry().devices) {
            if (ip == entry.ipText) return position;
            ++position;
        }
        return -1;
    }
    void Choose(int position) {
        DeviceList().SetItemState(position, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        testbed::PumpFor(50);
    }
    // Runs `open` and returns what was started for it, once `count` command lines have come.
    std::vector<std::string> Started(const std::function<void()>& open, size_t count = 1) {
        const size_t before = testbed::RecorderLog().size();
        open();
        testbed::PumpUntil([&] { return RecordedSince(before).size() >= count; }, 8000);
        testbed::PumpFor(500);  // anything more would show up now
        return RecordedSince(before);
    }
    static std::string Quoted(const std::string& target) { return "\"" + target + "\""; }
};

class HostileNames : public NetworkNamesFixture {};
class TwinNames : public NetworkNamesFixture {};

TEST_F(HostileNames, EveryOpeningTakesTheAddressAndNoNameReachesACommandLine) {
    ASSERT_EQ(m_window->State().Registry().devices.size(), 2u);
    for (const std::string ip : {"10.77.0.2", "10.77.0.3"}) {
        SCOPED_TRACE(ip);
        const int position = PositionOf(ip);
        ASSERT_GE(position, 0);
        Choose(position);
        const std::string web = Quoted("http://" + ip), folder = Quoted("\\\\" + ip);
        const auto endsWith = [](const std::vector<std::string>& lines, const std::string& tail) {
            return lines.size() == 1 && lines[0].size() >= tail.size() &&
                   lines[0].compare(lines[0].size() - tail.size(), tail.size(), tail) == 0;
        };
        EXPECT_TRUE(endsWith(Started([&] { m_window->OpenWebManager(); }), web));
        EXPECT_TRUE(endsWith(Started([&] { m_window->OpenSelectedShare(); }), folder));
        const UINT trayManage = TrayDeviceCommandId(position, TrayDeviceAction::Manage);
        EXPECT_TRUE(endsWith(Started([&] { ::SendMessageA(m_hwnd, WM_COMMAND, trayManage, 0); }), web));
        const UINT trayOpen = TrayDeviceCommandId(position, TrayDeviceAction::Open);
        EXPECT_TRUE(endsWith(Started([&] { ::SendMessageA(m_hwnd, WM_COMMAND, trayOpen, 0); }), folder));

        // On the share page the server is reached, shown and opened by its address only.
        EnterSharePageAndLoad();
        CShareTreeCtrl& tree = ShareTree();
        const HTREEITEM server = tree.GetRootItem();
        ASSERT_NE(server, nullptr);
        EXPECT_EQ(tree.GetItemText(server), m_window->State().ChosenAppliance()->name);
        const HTREEITEM media = tree.GetChildItem(server);
        ASSERT_NE(media, nullptr);
        EXPECT_EQ(tree.GetItemData(media)->remoteName, "\\\\" + ip + "\\Shared Media");
        tree.SelectItem(server);
        EXPECT_TRUE(endsWith(Started([&] { ::SendMessageA(m_hwnd, UM_MANAGE_DEVICE, 0, 0); }), web));
        EXPECT_TRUE(endsWith(Started([&] { ::SendMessageA(m_hwnd, UM_OPEN_SHARE, 0, 0); }), folder));
        tree.SelectItem(media);
        EXPECT_TRUE(endsWith(Started([&] { ::SendMessageA(m_hwnd, UM_OPEN_SHARE, 0, 0); }),
                             Quoted("\\\\" + ip + "\\Shared Media")));
        Click(IDC_BACK);
        tree.DeleteAllItems();  // so the next page's tree is known to be its own
        testbed::PumpFor(200);
    }
    const std::string everything = testbed::RecorderLog();
    EXPECT_EQ(everything.find("switch"), std::string::npos);
    EXPECT_EQ(everything.find(".."), std::string::npos);
}

TEST_F(TwinNames, ADropAndANewShareReachTheChosenApplianceOnly) {
    ASSERT_EQ(m_window->State().Registry().devices.size(), 2u);
    const int chosen = PositionOf("10.77.0.2");
    ASSERT_GE(chosen, 0);
    Choose(chosen);

    const std::string folder = scratch::NewLocalFolder();
    const std::string song = scratch::UniqueName("twin") + ".wav";
    scratch::Write(folder + "\\" + song, "RIFF twin");
    PostFileDrop(Control(IDC_DEVICE_LIST), {folder + "\\" + song});
    const std::string there = "\\\\10.77.0.2\\Shared Media\\Music\\" + song;
    EXPECT_TRUE(testbed::PumpUntil([&] { return scratch::IsFile(there); }, 10000));
    EXPECT_FALSE(scratch::IsFile("\\\\10.77.0.3\\Shared Media\\Music\\" + song));

    EnterSharePageAndLoad();
    testbed::DialogDriver add("Add a Shared Folder", [](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_NEW_SHARE_NAME, "Fresh");
        ::SendMessageA(::GetDlgItem(dialog, IDC_SHARE_DRIVE), CB_SELECTSTRING, static_cast<WPARAM>(-1),
                       reinterpret_cast<LPARAM>("Y"));
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    ::SendMessageA(m_hwnd, UM_ADD_SHARE, 0, 0);
    EXPECT_TRUE(WaitForWorker(30000));
    ASSERT_TRUE(add.Finish());
    EXPECT_TRUE(AnyContains(WebLinesTo("10.77.0.2"), "addshare_process.asp?new_share_name=Fresh"));
    EXPECT_TRUE(WebLinesTo("10.77.0.3").empty());
    EXPECT_EQ(UniversalNameOfDrive('Y'), "\\\\10.77.0.2\\Fresh");
    EXPECT_TRUE(m_boxes->Saw("Shared folder \\\\10.77.0.2\\Fresh successfully created."));
}
