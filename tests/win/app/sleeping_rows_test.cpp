// A remembered appliance that sleeps (the simulator's asleep flag): listed greyed below the found ones and
// not selected, woken from its menu by one magic packet, then listed normally by the rescan after the
// countdown.
#include "discovery/remembered_store.h"
#include "test_bed.h"
#include "wizard_fixture.h"
#include <algorithm>
#include <ctime>

class SleepingRows : public WizardFixture {
protected:
    void SetUp() override {
        WizardFixture::SetUp();
        RememberOnly("Sleeper", "10.77.0.2", 0x56);
    }
    // What an earlier run left remembered: one appliance seen an hour ago. The window starts again with it.
    void RememberOnly(const char* name, const char* ip, uint8_t lastMacByte) {
        CloseWindow();
        DeviceEntry seen = {};
        const uint8_t mac[] = {0x00, 0x11, 0x32, 0xAA, 0x34, lastMacByte};
        std::copy(mac, mac + 6, seen.deviceData + 2);
        std::string(name).copy(seen.name, sizeof seen.name - 1);
        std::string(ip).copy(seen.ipText, sizeof seen.ipText - 1);
        seen.ipAddress = testbed::Address(ip);
        RememberedAppliances remembered;
        remembered.RecordSeen({seen}, std::time(nullptr) - 3600);
        SaveRememberedAppliances(remembered);
        OpenWindow();
    }
    std::string Row(int row) const { return DeviceList().GetItemText(row, 0); }
    void Scan() {
        ASSERT_TRUE(m_window->StartScan(true));
        WaitForScanEnd();
    }
    void WaitForScanEnd() {
        testbed::PumpUntil([&] { return !m_window->State().IsScanning(); }, 10000);
    }
    testbed::MenuSnapshot MenuOf(int row) {
        testbed::MenuSpy spy(m_hwnd);
        m_window->OpenDeviceMenu(row);
        return spy.Finish();
    }
    bool Selected(int row) const {
        return (DeviceList().SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
    }
};

TEST_F(SleepingRows, ListedGreyedWokenByOneMagicPacketAndListedNormallyAfterTheCountdown) {
    Scan();
    ASSERT_EQ(DeviceList().GetItemCount(), 2);
    EXPECT_EQ(Row(0), "Harborbox not found.");
    EXPECT_EQ(Row(1).rfind("Sleeper - not responding (last seen ", 0), 0u) << Row(1);
    EXPECT_EQ(DeviceList().GetItemText(1, 2), "00-11-32-AA-34-56");
    EXPECT_FALSE(Selected(1));
    EXPECT_EQ(m_window->State().SelectedRow(), -1);
    // A click on it is no call for the troubleshooting help, as one on "Harborbox not found." is.
    NMITEMACTIVATE click = {};
    click.hdr = {DeviceList().m_hWnd, IDC_DEVICE_LIST, static_cast<UINT>(NM_CLICK)};
    click.iItem = 1;
    ::SendMessageA(m_hwnd, WM_NOTIFY, IDC_DEVICE_LIST, reinterpret_cast<LPARAM>(&click));
    const HWND help = ::FindWindowA(nullptr, "Harborbox Quickmap Help");
    EXPECT_FALSE(help && ::IsWindowVisible(help));

    const testbed::MenuSnapshot menu = MenuOf(1);
    ASSERT_TRUE(menu.shown);
    ASSERT_FALSE(menu.items.empty());
    EXPECT_EQ(menu.items[0].text, "Wake Up");

    ::SendMessageA(m_hwnd, WM_COMMAND, menu.items[0].id, 0);
    EXPECT_EQ(Status(), "Wake-up call sent to Sleeper. Searching again in 20 s...");
    ASSERT_TRUE(testbed::PumpUntil([] { return testbed::SimLogCount(" wake ") > 0; }, 3000));
    EXPECT_EQ(testbed::SimLogCount("-> 10.77.0.255:9 wake mac=00-11-32-AA-34-56 len=102"), 1u);

    ASSERT_TRUE(testbed::PumpUntil([&] { return Row(0) == "Sleeper" && !m_window->State().IsScanning(); }, 30000));
    EXPECT_EQ(DeviceList().GetItemCount(), 1);
    EXPECT_EQ(testbed::SimLogCount(" wake "), 1u);
}

TEST_F(SleepingRows, ForgottenFromItsMenuItIsNoLongerListedAfterARestart) {
    // Nothing answers there; the row is the second whether the other test woke the sleeper or not.
    RememberOnly("Gone", "10.77.0.9", 0x99);
    Scan();
    ASSERT_EQ(DeviceList().GetItemCount(), 2);
    ASSERT_EQ(Row(1).rfind("Gone - ", 0), 0u) << Row(1);
    const testbed::MenuSnapshot menu = MenuOf(1);
    ASSERT_TRUE(menu.shown);
    ASSERT_FALSE(menu.items.empty());
    EXPECT_EQ(menu.items.back().text, "Forget This Harborbox");

    ::SendMessageA(m_hwnd, WM_COMMAND, menu.items.back().id, 0);
    WaitForScanEnd();
    const auto stored = LoadRememberedAppliances().Items();
    EXPECT_TRUE(std::none_of(stored.begin(), stored.end(), [](const auto& item) { return item.name == "Gone"; }));
    CloseWindow();
    OpenWindow();
    Scan();
    ASSERT_EQ(DeviceList().GetItemCount(), 1);
    EXPECT_EQ(Row(0).find("Gone"), std::string::npos) << Row(0);
}
