// A remembered appliance that sleeps (the simulator's asleep flag): listed greyed below the found ones and
// not selected, woken from its menu by one magic packet, then listed normally by the rescan after the
// countdown.
#include "discovery/remembered_store.h"
#include "test_bed.h"
#include "wizard_fixture.h"
#include <algorithm>
#include <ctime>

namespace {
size_t CountLogLines(const std::string& needle) {
    const auto lines = testbed::SimLogLines();
    return size_t(std::count_if(lines.begin(), lines.end(),
                                [&](const std::string& l) { return l.find(needle) != std::string::npos; }));
}
}  // namespace

class SleepingRows : public WizardFixture {
protected:
    // Remembered before the window starts, as from an earlier run.
    void SetUp() override {
        WizardFixture::SetUp();
        CloseWindow();
        DeviceEntry seen = {};
        const uint8_t mac[] = {0x00, 0x11, 0x32, 0xAA, 0x34, 0x56};
        std::copy(mac, mac + 6, seen.deviceData + 2);
        std::string("Sleeper").copy(seen.name, sizeof seen.name - 1);
        std::string("10.77.0.2").copy(seen.ipText, sizeof seen.ipText - 1);
        seen.ipAddress = testbed::Address("10.77.0.2");
        RememberedAppliances remembered;
        remembered.RecordSeen({seen}, std::time(nullptr) - 3600);
        SaveRememberedAppliances(remembered);
        OpenWindow();
    }
    std::string Row(int row) const { return DeviceList().GetItemText(row, 0); }
    bool Selected(int row) const {
        return (DeviceList().SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED) != 0;
    }
};

TEST_F(SleepingRows, ListedGreyedWokenByOneMagicPacketAndListedNormallyAfterTheCountdown) {
    ASSERT_TRUE(m_window->StartScan(true));
    testbed::PumpUntil([&] { return !m_window->State().IsScanning(); }, 10000);
    ASSERT_EQ(DeviceList().GetItemCount(), 2);
    EXPECT_EQ(Row(0), "Harborbox not found.");
    EXPECT_EQ(Row(1).rfind("Sleeper - not responding (last seen ", 0), 0u) << Row(1);
    EXPECT_EQ(DeviceList().GetItemText(1, 2), "00-11-32-AA-34-56");
    EXPECT_FALSE(Selected(1));
    EXPECT_EQ(m_window->State().SelectedRow(), -1);

    testbed::MenuSpy spy(m_hwnd);
    m_window->OpenDeviceMenu(1);
    const testbed::MenuSnapshot menu = spy.Finish();
    ASSERT_TRUE(menu.shown);
    ASSERT_FALSE(menu.items.empty());
    EXPECT_EQ(menu.items[0].text, "Wake Up");

    ::SendMessageA(m_hwnd, WM_COMMAND, menu.items[0].id, 0);
    EXPECT_EQ(Status(), "Wake-up call sent to Sleeper. Searching again in 20 s...");
    ASSERT_TRUE(testbed::PumpUntil([] { return CountLogLines(" wake ") > 0; }, 3000));
    EXPECT_EQ(CountLogLines("-> 10.77.0.255:9 wake mac=00-11-32-AA-34-56 len=102"), 1u);

    ASSERT_TRUE(testbed::PumpUntil([&] { return Row(0) == "Sleeper" && !m_window->State().IsScanning(); }, 30000));
    EXPECT_EQ(DeviceList().GetItemCount(), 1);
    EXPECT_EQ(CountLogLines(" wake "), 1u);
}
