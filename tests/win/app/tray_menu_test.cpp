// The notification icon's menu, the device list's menu and the hot key, with openings observed through the
// test bed's recorder instead of a browser or file manager.
#include "app/tray_icon.h"
#include "wizard_fixture.h"
#include <ctime>

namespace {
using testbed::RecorderLog;

bool Recorded(const std::string& needle) {
    return testbed::PumpUntil([&] { return RecorderLog().find(needle) != std::string::npos; }, 5000);
}

// Folders of a server exist for the shell once its UNC name has a directory in the prefix.
// A server folder in Wine's UNC namespace for as long as it lives, so that the shell can open \\server.
class KnownServer {
public:
    explicit KnownServer(const std::string& server) {
        std::string unc = "E:" + testbed::EnvPath("WINEPREFIX") + "/dosdevices/unc";
        for (char& c : unc)
            if (c == '/') c = '\\';
        ::CreateDirectoryA(unc.c_str(), nullptr);
        m_path = unc + "\\" + server;
        ::CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~KnownServer() { ::RemoveDirectoryA(m_path.c_str()); }

private:
    std::string m_path;
};

std::vector<std::string> Texts(const std::vector<testbed::MenuSnapshot::Item>& items) {
    std::vector<std::string> texts;
    for (const auto& item : items) texts.push_back(item.text);
    return texts;
}
}  // namespace

class TrayMenu : public WizardFixture {
protected:
    testbed::MenuSnapshot RightClickTray() {
        testbed::MenuSpy spy(m_hwnd);
        ::SendMessageA(m_hwnd, WM_TRAY_CALLBACK, ID_TRAY_ICON, WM_RBUTTONUP);
        return spy.Finish();
    }
    void AddDevices(int count) {
        for (int i = 0; i < count; ++i) {
            char name[32];
            std::snprintf(name, sizeof name, "Box-%02d", i);
            AddDevice(name, "10.77.0." + std::to_string(10 + i));
        }
        Fresh();
    }
    // A registry from just now: no rescan from the menu.
    void Fresh() {
        m_listed.scanStartTime = std::time(nullptr);
        List();
    }
};

TEST_F(TrayMenu, EmptyRegistryShowsNotFoundBetweenAboutAndExit) {
    Fresh();
    const testbed::MenuSnapshot menu = RightClickTray();
    ASSERT_TRUE(menu.shown);
    EXPECT_EQ(Texts(menu.items), (std::vector<std::string>{"About Harborbox Quickmap", "", "Harborbox not found.", "",
                                                           "Add a Harborbox by address...", "Exit"}));
    EXPECT_EQ(menu.items[0].id, 9002u);
    EXPECT_EQ(menu.items[2].id, 0u);
    EXPECT_EQ(menu.items[4].id, 9005u);
    EXPECT_EQ(menu.items[5].id, 9003u);
}

TEST_F(TrayMenu, DevicesAppearInRegistryOrderWithManageAndOpen) {
    AddDevice("Alpha", "10.77.0.2");
    AddDevice("Beta", "10.77.0.3");
    AddDevice("Gamma", "10.77.0.4");
    Fresh();
    const testbed::MenuSnapshot menu = RightClickTray();
    ASSERT_TRUE(menu.shown);
    EXPECT_EQ(Texts(menu.items), (std::vector<std::string>{"About Harborbox Quickmap", "", "Alpha", "Beta", "Gamma", "",
                                                           "Add a Harborbox by address...", "Exit"}));
    for (int i = 0; i < 3; ++i) {
        const auto& submenu = menu.items[2 + i].submenu;
        ASSERT_EQ(Texts(submenu), (std::vector<std::string>{"Manage", "Open"}));
        EXPECT_EQ(submenu[0].id, 0xEE00u + 16u * i);
        EXPECT_EQ(submenu[1].id, 0xEE00u + 16u * i + 2);
    }

    const KnownServer known("10.77.0.3");
    ::SendMessageA(m_hwnd, WM_COMMAND, menu.items[3].submenu[1].id, 0);  // Open of the second device
    EXPECT_TRUE(Recorded("\\\\10.77.0.3"));
    ::SendMessageA(m_hwnd, WM_COMMAND, menu.items[2].submenu[0].id, 0);  // Manage of the first
    EXPECT_TRUE(Recorded("http://10.77.0.2"));
}

TEST_F(TrayMenu, TwentyDevicesAreAllReachable) {
    AddDevices(20);
    const testbed::MenuSnapshot menu = RightClickTray();
    ASSERT_TRUE(menu.shown);
    ASSERT_EQ(menu.items.size(), 2u + 20u + 3u);
    EXPECT_EQ(menu.items[2 + 19].text, "Box-19");
    const UINT manageOfLast = menu.items[2 + 19].submenu[0].id;
    ::SendMessageA(m_hwnd, WM_COMMAND, manageOfLast, 0);
    EXPECT_TRUE(Recorded("http://10.77.0.29"));
}

TEST_F(TrayMenu, NoMenuWhileScanning) {
    m_window->StartScan(true);
    testbed::MenuSpy spy(m_hwnd, 500);
    ::SendMessageA(m_hwnd, WM_TRAY_CALLBACK, ID_TRAY_ICON, WM_RBUTTONUP);
    EXPECT_FALSE(spy.Finish().shown);
}

TEST_F(TrayMenu, DoubleClickShowsTheWindow) {
    m_window->ShowWindow(SW_HIDE);
    ::SendMessageA(m_hwnd, WM_TRAY_CALLBACK, ID_TRAY_ICON, WM_LBUTTONDBLCLK);
    testbed::PumpUntil([&] { return ::IsWindowVisible(m_hwnd) != FALSE; });
    EXPECT_TRUE(::IsWindowVisible(m_hwnd));
}

TEST_F(TrayMenu, TooltipsAreCutTo63Characters) {
    const std::string longText(100, 'x');
    const NOTIFYICONDATAA data = MakeTrayIconData(m_hwnd, nullptr, longText);
    EXPECT_EQ(std::string(data.szTip), std::string(63, 'x'));
    EXPECT_EQ(data.uID, 186u);
    EXPECT_EQ(data.uCallbackMessage, static_cast<UINT>(WM_USER + 1));
    EXPECT_EQ(data.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
}

TEST_F(TrayMenu, DeviceListMenuOffersManageOpenAndUniqueName) {
    AddDevices(2);
    testbed::MenuSpy spy(m_hwnd);
    m_window->OpenDeviceMenu(1);
    const testbed::MenuSnapshot menu = spy.Finish();
    ASSERT_TRUE(menu.shown);
    EXPECT_EQ(Texts(menu.items), (std::vector<std::string>{"Manage", "", "Open", "", "Set a Unique Device Name", "",
                                                           "Add a Harborbox by address..."}));
    EXPECT_EQ(menu.items[0].id, 32791u);
    EXPECT_EQ(menu.items[2].id, 32788u);
    EXPECT_EQ(menu.items[4].id, 32794u);
    EXPECT_EQ(m_window->State().SelectedRow(), 1);
}

TEST_F(TrayMenu, TheNotFoundRowOffersOnlyAddingByAddress) {
    testbed::MenuSpy spy(m_hwnd);
    m_window->OpenDeviceMenu(0);
    const testbed::MenuSnapshot menu = spy.Finish();
    ASSERT_TRUE(menu.shown);
    EXPECT_EQ(Texts(menu.items), (std::vector<std::string>{"Add a Harborbox by address..."}));
}

TEST_F(TrayMenu, HotKeyOpensTheDumpPageOfTheSelectedDeviceOnlyWhileVisible) {
    AddDevices(2);
    m_window->ShowWindow(SW_HIDE);
    ::SendMessageA(m_hwnd, WM_HOTKEY, ID_HOT_KEY, 0);
    m_window->ShowWindow(SW_SHOWNOACTIVATE);
    ::SendMessageA(m_hwnd, WM_HOTKEY, ID_HOT_KEY, 0);
    EXPECT_TRUE(Recorded("http://10.77.0.10/generalsetup/dump.asp"));
    EXPECT_EQ(RecorderLog().find("dump.asp"), RecorderLog().rfind("dump.asp"));  // once: not while hidden
}
