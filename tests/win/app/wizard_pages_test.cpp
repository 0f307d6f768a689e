// The wizard's page state machine, driven as a user would through its buttons.
#include "app/help_dlg.h"
#include "framework/resource_strings.h"
#include "wizard_fixture.h"

namespace {
const char kDevicePageStatus[] =
    "Select a device and click Next to explore the shared folders on your Harborbox. Click Refresh to search for "
    "Harborbox drives attached to your local network.";
const char kSharePageStatus[] =
    "To automatically assign a drive letter, check the box next to a shared folder and click Next. Assigning a drive "
    "letter allows you to access the shared folder using My Computer.";
const char kFinishStatus[] =
    "Congratulations! You have finished Quickmap(tm) setup. Click Close to exit. Click Settings for additional setup "
    "or double-click a shared folder to open it.";
const char kNoSharesStatus[] =
    "Your Harborbox does not have any shared folders. Click Settings to create a shared folder.";
const char kNoResourceMessage[] =
    "Could not find any Windows network resource for your Harborbox. If you recently changed the Harborbox's device "
    "name, you may need to turn off your Harborbox and back on.";
}  // namespace

class WizardPages : public WizardFixture {
protected:
    // The document of the help window on show, or 0 when none shows.
    static int ShownHelp() {
        const HWND window = ::FindWindowA(nullptr, "Harborbox Quickmap Help");
        if (!window || !::IsWindowVisible(window)) return 0;
        const auto* help = reinterpret_cast<const CHelpDlg*>(::GetWindowLongPtrA(window, DWLP_USER));
        return help ? help->HelpResourceId() : 0;
    }

    // The share page found no folders: the message was answered and the loading worker has ended.
    void WaitForNoSharesForm() {
        testbed::PumpUntil([&] { return Status() == kNoSharesStatus; });
        WaitForWorker();
    }
};

TEST_F(WizardPages, StartsOnTheDevicePage) {
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_DEVICE_LIST)));
    EXPECT_FALSE(::IsWindowVisible(Control(IDC_SHARE_TREE)));  // as the template has it
    EXPECT_TRUE(testbed::IsHiddenAndDisabled(Control(IDC_BACK)));
    EXPECT_EQ(m_window->State().Page(), WizardPage::Devices);
    EXPECT_EQ(Text(IDC_NEXT), "Next");
    EXPECT_EQ(Text(IDOK), "Cancel");
    EXPECT_EQ(Text(IDC_STATUS_LINE), "Searching for Harborbox...");
    EXPECT_EQ(DeviceList().GetItemText(0, 0), "Searching for Harborbox...");
    EXPECT_EQ(DeviceList().GetItemImage(0), 7);
    // No task-bar button.
    EXPECT_EQ(::GetWindowLongPtrA(m_hwnd, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
}

TEST_F(WizardPages, NextWithOneUnselectedDeviceSelectsItAndOpensTheSharePage) {
    AddDevice("Office", "10.77.0.2");
    Unselect();
    EnterSharePageAndLoad();
    EXPECT_EQ(m_window->State().SelectedRow(), 0);
    EXPECT_TRUE(testbed::IsHiddenAndDisabled(Control(IDC_DEVICE_LIST)));
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_SHARE_TREE)));
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_BACK)));
    EXPECT_EQ(m_window->State().Page(), WizardPage::Shares);
    EXPECT_TRUE(ShareTree().HasCheckBoxes());
    EXPECT_EQ(ShareTree().GetItemText(ShareTree().GetRootItem()), "Office");
    // No folders came from the network: the page switches to its no-shared-folders form.
    WaitForNoSharesForm();
    EXPECT_TRUE(m_boxes->Saw(kNoResourceMessage));
    EXPECT_TRUE(m_window->State().NoShares());
    EXPECT_EQ(Text(IDC_NEXT), "Settings");
    EXPECT_EQ(Text(IDOK), "Close");
}

TEST_F(WizardPages, ARescanWithoutTheChosenApplianceReturnsToTheDevicePageAndSaysSo) {
    AddDevice("Office", "10.77.0.2");
    EnterSharePageAndLoad();
    WaitForNoSharesForm();
    m_listed.devices.clear();
    AddDevice("Cellar", "10.77.0.3");  // the rescan's result: Office is gone
    EXPECT_TRUE(m_boxes->Saw("The Harborbox you chose is no longer found at its address, or it has changed. Select a "
                             "device and click Next again."));
    EXPECT_EQ(m_window->State().Page(), WizardPage::Devices);
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_DEVICE_LIST)));
    EXPECT_TRUE(testbed::IsHiddenAndDisabled(Control(IDC_SHARE_TREE)));
    EXPECT_TRUE(testbed::IsHiddenAndDisabled(Control(IDC_BACK)));
    EXPECT_EQ(Text(IDC_NEXT), "Next");
    EXPECT_EQ(DeviceList().GetItemText(0, 0), "Cellar");
}

TEST_F(WizardPages, NextWithSeveralDevicesAndNoneSelectedAsksForASelection) {
    AddDevice("Alpha", "10.77.0.2");
    AddDevice("Beta", "10.77.0.3");
    Unselect();
    Click(IDC_NEXT);
    EXPECT_TRUE(testbed::PumpUntil([&] { return m_boxes->Saw("Highlight and select a device first."); }));
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_DEVICE_LIST)));
    EXPECT_EQ(m_window->State().SelectedRow(), -1);
}

TEST_F(WizardPages, NextWithNoDeviceDoesNothing) {
    Click(IDC_NEXT);
    testbed::PumpFor(200);
    EXPECT_TRUE(m_boxes->Texts().empty());
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_DEVICE_LIST)));
}

TEST_F(WizardPages, BackFromTheSharePageReturnsToTheDevicePage) {
    AddDevice("Office", "10.77.0.2");
    EnterSharePageAndLoad();
    WaitForNoSharesForm();
    Click(IDC_BACK);
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_DEVICE_LIST)));
    EXPECT_TRUE(testbed::IsHiddenAndDisabled(Control(IDC_SHARE_TREE)));
    EXPECT_TRUE(testbed::IsHiddenAndDisabled(Control(IDC_BACK)));
    EXPECT_EQ(Status(), kDevicePageStatus);
    EXPECT_EQ(Text(IDC_NEXT), "Next");
    EXPECT_EQ(Text(IDOK), "Cancel");
    EXPECT_EQ(m_window->State().Page(), WizardPage::Devices);
}

TEST_F(WizardPages, RefreshOnTheSharePageLoadsTheTreeAgain) {
    AddDevice("Office", "10.77.0.2");
    EnterSharePageAndLoad();
    testbed::PumpUntil([&] { return m_boxes->Texts().size() == 1; });
    WaitForWorker();
    ShareTree().DeleteAllItems();
    Click(IDC_REFRESH);
    testbed::PumpUntil([&] { return ShareTree().GetRootItem() != nullptr; });
    EXPECT_EQ(m_window->State().Page(), WizardPage::Shares);
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_SHARE_TREE)));
}

TEST_F(WizardPages, ShowFromTrayWhenHiddenReturnsToTheDevicePageAndScans) {
    AddDevice("Office", "10.77.0.2");
    EnterSharePageAndLoad();
    WaitForNoSharesForm();
    m_window->ShowWindow(SW_HIDE);
    ::SendMessageA(m_hwnd, WM_COMMAND, ID_CMD_SHOW, 0);
    EXPECT_TRUE(::IsWindowVisible(m_hwnd));
    EXPECT_TRUE(testbed::IsShownAndEnabled(Control(IDC_DEVICE_LIST)));
    EXPECT_EQ(Text(IDC_NEXT), "Next");
    EXPECT_TRUE(m_window->State().IsScanning());
}

TEST_F(WizardPages, BackgroundRescanRunsOnlyWhileHidden) {
    ::SendMessageA(m_hwnd, WM_TIMER, ID_TIMER_BACKGROUND_SCAN, 0);
    EXPECT_FALSE(m_window->State().IsScanning());
    m_window->ShowWindow(SW_HIDE);
    ::SendMessageA(m_hwnd, WM_TIMER, ID_TIMER_BACKGROUND_SCAN, 0);
    EXPECT_TRUE(m_window->State().IsScanning());
}

TEST_F(WizardPages, CloseButtonHidesAndEscapeQuits) {
    Click(IDOK);
    EXPECT_FALSE(::IsWindowVisible(m_hwnd));
    m_window->ShowWindow(SW_SHOW);
    Click(IDCANCEL);
    EXPECT_FALSE(::IsWindowVisible(m_hwnd));
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, m_hwnd, WM_COMMAND, WM_COMMAND, PM_REMOVE));
    EXPECT_EQ(LOWORD(msg.wParam), ID_CMD_EXIT);
}

TEST_F(WizardPages, CheckBoxesFollowTheRules) {
    CTreeCtrl& tree = ShareTree();
    m_window->ShowWindow(SW_SHOW);
    tree.ShowWindow(SW_SHOW);
    tree.SetCheckBoxes(true);
    const HTREEITEM root = tree.InsertItem("Office", 3);
    const HTREEITEM photo = tree.InsertItem("Photo", 4, root);
    const HTREEITEM music = tree.InsertItem("Music", 4, root);
    auto clicked = [&](HTREEITEM item, bool checked) {
        tree.SetCheck(item, checked);
        ::SendMessageA(m_hwnd, UM_TREE_CHECK_CLICKED, 0, reinterpret_cast<LPARAM>(item));
    };
    clicked(root, true);
    EXPECT_TRUE(tree.GetCheck(photo));
    EXPECT_TRUE(tree.GetCheck(music));
    clicked(photo, false);  // one of two
    EXPECT_TRUE(tree.GetCheck(root));
    clicked(music, false);  // the last one
    EXPECT_FALSE(tree.GetCheck(root));
    clicked(photo, true);
    EXPECT_TRUE(tree.GetCheck(root));
    EXPECT_FALSE(tree.GetCheck(music));
}

TEST_F(WizardPages, DeviceListColumnsShareTheVisibleWidth) {
    HWND list = Control(IDC_DEVICE_LIST);
    // Few rows, then more than the list shows, with a vertical scroll bar taking part of the width.
    for (const size_t rows : {0, 40}) {
        SCOPED_TRACE(rows);
        DeviceList().AppendRows(std::vector<DeviceListRow>(rows, {"Box", "10.77.0.2", "00-11-32-AA-00-00", 3}));
        RECT client;
        ::GetClientRect(list, &client);
        const int width = client.right;
        EXPECT_EQ(ListView_GetColumnWidth(list, 0), width / 2);
        EXPECT_EQ(ListView_GetColumnWidth(list, 1), (width - width / 2) / 2);
        EXPECT_EQ(ListView_GetColumnWidth(list, 2), (width - width / 2) / 2);
        EXPECT_EQ(::GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL, 0) << "no horizontal scroll bar";
        EXPECT_EQ(::GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL, rows ? WS_VSCROLL : 0);
    }
}

TEST_F(WizardPages, ClickingTheNotFoundRowOpensTheTroubleshootingHelp) {
    List();  // nothing found
    EXPECT_EQ(DeviceList().GetItemText(0, 0), "Harborbox not found.");
    EXPECT_EQ(DeviceList().GetItemImage(0), 8);
    EXPECT_EQ(Status(),
              "Quickmap(tm) can't find a Harborbox drives on your local network. Click Refresh to search again or Help "
              "for troubleshooting tips.");
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = Control(IDC_DEVICE_LIST);
    click.hdr.idFrom = IDC_DEVICE_LIST;
    click.hdr.code = NM_CLICK;
    click.iItem = 0;
    ::SendMessageA(m_hwnd, WM_NOTIFY, IDC_DEVICE_LIST, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(ShownHelp(), 180);
    // The help follows the page: with devices listed it explains the device page.
    AddDevice("Office", "10.77.0.2");
    m_window->RefreshHelp();
    EXPECT_EQ(ShownHelp(), 176);
}

TEST_F(WizardPages, ConflictingNamesAreMarkedAndReported) {
    AddDevice("Media", "10.77.0.3");
    AddDevice("media", "10.77.0.4");
    AddDevice("Office", "10.77.0.2");
    CDeviceListCtrl& list = DeviceList();
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemImage(0), 9);
    EXPECT_EQ(list.GetItemImage(1), 9);
    EXPECT_EQ(list.GetItemImage(2), 3);
    EXPECT_EQ(list.GetItemText(1, 1), "10.77.0.4");
    EXPECT_EQ(m_window->State().SelectedRow(), 0);
    EXPECT_TRUE(m_boxes->Saw(
        "Device names conflict! Double-click the device that has a duplicate name and use General Setup in Harborbox "
        "Manager to update the device name or use the right-click context menu to set a default unique device name."));
}

TEST_F(WizardPages, DeviceListTakesDropsAndRefusesACallbackModeWithoutCallback) {
    HWND list = Control(IDC_DEVICE_LIST);
    EXPECT_NE(::GetWindowLongPtrA(list, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
    CDeviceListCtrl& control = DeviceList();
    const DropMode before = control.GetDropMode();
    EXPECT_FALSE(control.SetDropMode({DROP_ACCEPT_FILES | DROP_USE_CALLBACK, nullptr}));
    EXPECT_EQ(control.GetDropMode().flags, before.flags);
    EXPECT_TRUE(control.SetDropMode({DROP_ACCEPT_FILES, nullptr}));
    EXPECT_EQ(control.GetDropMode().flags, DROP_ACCEPT_FILES);
}
