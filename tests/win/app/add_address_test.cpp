// Add by address from the window, on the routed topology: broadcasts miss the appliance behind the router,
// its address or host name finds it, and from then on every scan asks it directly, across restarts, until the
// user forgets it.
#include "discovery/remembered_store.h"
#include "test_bed.h"
#include "wizard_fixture.h"

namespace {
const char kRoutedMac[] = "00-11-32-AA-79-02";

size_t AskedDirectly() { return testbed::SimLogCount("-> 10.79.0.2 cmd=1"); }

std::vector<RememberedAppliance> Stored() { return LoadRememberedAppliances().Items(); }
}  // namespace

class AddByAddress : public WizardFixture {
protected:
    // Types `asked` into the dialog as the user would and waits for everything it starts to end.
    void Add(const std::string& asked, UINT command = ID_CMD_ADD_BY_ADDRESS) {
        testbed::DialogDriver driver("Add a Harborbox by Address", [&](HWND dialog) {
            ::SetDlgItemTextA(dialog, IDC_ADDRESS_EDIT, asked.c_str());
            ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        ::SendMessageA(m_hwnd, WM_COMMAND, command, 0);
        ASSERT_TRUE(driver.Finish());
        WaitUntilIdle();
    }
    void Scan() {
        ASSERT_TRUE(m_window->StartScan(true));
        WaitUntilIdle();
    }
    void WaitUntilIdle() {
        testbed::PumpUntil([&] { return !m_window->State().IsBusy() && !m_window->State().IsScanning(); }, 10000);
    }
    std::string FirstRow() const { return DeviceList().GetItemText(0, 0); }
};

TEST_F(AddByAddress, EachFailureSaysWhyAndRemembersNothing) {
    const struct {
        const char* asked;
        const char* says;
    } cases[] = {
        {"no-such-box", "no computer of this name was found"},
        {"10.79.0.3", "Nothing answered at this address within 2 seconds"},  // nobody there
        {"10.79.0.4", "Something answered at this address, but it is not a Harborbox."},
    };
    List();  // nothing found
    for (const auto& c : cases) {
        SCOPED_TRACE(c.asked);
        Add(c.asked);
        const auto texts = m_boxes->Texts();
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back().rfind(c.asked, 0), 0u) << texts.back();  // names what was asked
        EXPECT_NE(texts.back().find(c.says), std::string::npos) << texts.back();
        EXPECT_TRUE(Stored().empty());
        EXPECT_EQ(FirstRow(), "Harborbox not found.");
    }
}

TEST_F(AddByAddress, ByAddressOrNameTheRoutedApplianceIsListedRememberedAndAskedInEveryLaterScan) {
    for (const std::string asked : {"10.79.0.2", "nas-routed"}) {
        SCOPED_TRACE(asked);
        SaveRememberedAppliances(RememberedAppliances{});
        CloseWindow();
        OpenWindow();
        Scan();
        EXPECT_EQ(FirstRow(), "Harborbox not found.");  // broadcasts end at the router

        Add(asked);
        EXPECT_EQ(FirstRow(), "Routed");
        EXPECT_EQ(DeviceList().GetItemText(0, 1), "10.79.0.2");
        const auto stored = Stored();
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_TRUE(stored[0].added);
        EXPECT_EQ(FormatMacText(stored[0].mac), kRoutedMac);

        // A restart loads it, and each scan asks it by unicast.
        CloseWindow();
        OpenWindow();
        for (int scan = 0; scan < 2; ++scan) {
            const size_t askedBefore = AskedDirectly();
            Scan();
            EXPECT_EQ(FirstRow(), "Routed");
            EXPECT_EQ(AskedDirectly(), askedBefore + 1);
        }
    }
}

TEST_F(AddByAddress, ForgettingFromTheMenuStopsAskingIt) {
    Add("10.79.0.2");
    ASSERT_EQ(FirstRow(), "Routed");

    testbed::MenuSpy spy(m_hwnd);
    m_window->OpenDeviceMenu(0);
    const testbed::MenuSnapshot menu = spy.Finish();
    ASSERT_TRUE(menu.shown);
    ASSERT_FALSE(menu.items.empty());
    EXPECT_EQ(menu.items.back().text, "Forget This Harborbox");

    ::SendMessageA(m_hwnd, WM_COMMAND, menu.items.back().id, 0);
    WaitUntilIdle();
    EXPECT_TRUE(Stored().empty());
    EXPECT_EQ(FirstRow(), "Harborbox not found.");
    const size_t askedBefore = AskedDirectly();
    Scan();
    EXPECT_EQ(AskedDirectly(), askedBefore);
}
