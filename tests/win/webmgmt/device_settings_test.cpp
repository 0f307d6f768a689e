// Renaming an appliance to its unique name and telling it the program's language, against the simulated
// appliance; what it received is read from its request log.
#include "app/app_globals.h"
#include "app/wizard_fixture.h"
#include "test_bed.h"
#include "res/resource.h"
#include <winsock2.h>
#include <cstring>

namespace {
using testbed::RecorderLog;

// Manage on the selected appliance; returns once the browser was started for it.
bool ManageOpensTheBrowser(CQuickmapDlg& window) {
    const size_t before = RecorderLog().size();
    window.OpenWebManager();
    return testbed::PumpUntil(
        [&] { return RecorderLog().find("http://10.77.0.2", before) != std::string::npos; }, 10000);
}
}  // namespace

class DeviceSettings : public WizardFixture {
protected:
    // The appliance as a scan would have listed it.
    void ListAppliance(const std::string& name) {
        DeviceEntry& entry = AddDevice(name, "10.77.0.2");
        const uint8_t data[8] = {0, 0, 0x00, 0x11, 0x32, 0xAA, 0x34, 0x56};
        std::memcpy(entry.deviceData, data, sizeof data);
        entry.ipAddress = testbed::ApplianceAddress();
        List();
    }
    // The device menu's "unique name" command; its worker has ended when this returns.
    void RenameToUniqueName() {
        ::SendMessageA(m_hwnd, WM_COMMAND, ID_DEVICE_UNIQUE_NAME, 0);
        EXPECT_TRUE(WaitForWorker(15000));
    }
    void TearDown() override {
        g_strLanguage = "English";
        WizardFixture::TearDown();
    }
};

TEST_F(DeviceSettings, AnAlreadyUniqueNameInAnyCaseSendsNothing) {
    ListAppliance("harborbox-3456");
    RenameToUniqueName();
    EXPECT_TRUE(m_boxes->Saw("No changes to be made. The device name Harborbox-3456 is already a unique name."));
    EXPECT_EQ(testbed::SimLogCount("processnetworkname"), 0u);
}

TEST_F(DeviceSettings, DecliningTheWarningSendsNothing) {
    ListAppliance("Office");
    m_boxes->SetDecline(true);
    RenameToUniqueName();
    EXPECT_EQ(testbed::SimLogCount("processnetworkname"), 0u);
}

TEST_F(DeviceSettings, RenamingSendsTheMacNameAndListsIt) {
    ListAppliance("Office");
    RenameToUniqueName();
    EXPECT_EQ(testbed::SimLogCount("GET /generalsetup/processnetworkname.asp?machine_name=Harborbox-3456&submit=update"), 1u);
    EXPECT_EQ(DeviceList().GetItemText(0, 0), "Harborbox-3456");
    EXPECT_STREQ(m_window->State().Registry().devices.front().name, "Harborbox-3456");
}

TEST_F(DeviceSettings, EnglishNeverSetsTheLanguage) {
    ListAppliance("Office");
    g_strLanguage = "English";
    EXPECT_TRUE(ManageOpensTheBrowser(*m_window));
    EXPECT_EQ(testbed::SimLogCount("processlangupdate"), 0u);
}

TEST_F(DeviceSettings, GermanIsSentToAnApplianceWithoutALanguage) {
    ListAppliance("Office");
    g_strLanguage = "German";
    // The language page goes out before the browser opens.
    EXPECT_TRUE(ManageOpensTheBrowser(*m_window));
    EXPECT_EQ(m_window->State().Registry().devices.front().languageSet, 0);  // as its query answer said
    EXPECT_EQ(testbed::SimLogCount("GET /generalsetup/processlangupdate.asp?language=German&submit=update"), 1u);
}

// Types the administrator's name and the given password into the login prompt when it appears.
std::function<void(HWND)> LogIn(const char* password) {
    return [password](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_USER_NAME_EDIT, "admin");
        ::SetDlgItemTextA(dialog, IDC_PASSWORD_EDIT, password);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    };
}

class DeviceSettingsAuth : public DeviceSettings {};

TEST_F(DeviceSettingsAuth, ALoginPromptThenSuccessUpdatesTheList) {
    ListAppliance("Office");
    testbed::DialogDriver login("Enter Harborbox Password", LogIn("secret"));
    RenameToUniqueName();
    EXPECT_TRUE(login.Finish());
    EXPECT_EQ(DeviceList().GetItemText(0, 0), "Harborbox-3456");
    EXPECT_STREQ(m_window->State().Registry().devices.front().userName, "admin");
    EXPECT_GE(testbed::SimLogCount("Authorization: Basic"), 1u);
}

TEST_F(DeviceSettingsAuth, AWrongLoginIsReported) {
    ListAppliance("Office");
    testbed::DialogDriver login("Enter Harborbox Password", LogIn("wrong"));
    RenameToUniqueName();
    EXPECT_TRUE(login.Finish());
    EXPECT_TRUE(m_boxes->Saw("Invalid username or password."));
    EXPECT_EQ(DeviceList().GetItemText(0, 0), "Office");
}
