#include "app/help_choice.h"
#include "app/help_dlg.h"
#include "window_driver.h"
#include "framework/wnd.h"
#include "res/resource_aux.h"
#include <gtest/gtest.h>
#include <string>

using testbed::WindowText;

namespace {

struct ShownHelp {
    HWND window = nullptr;
    HWND view = nullptr;
    std::string text;
    RECT frame = {};
};

ShownHelp Inspect(CHelpDlg* help) {
    ShownHelp shown;
    if (!help) return shown;
    shown.window = help->m_hWnd;
    testbed::PumpFor(200);
    shown.view = ::FindWindowExA(shown.window, nullptr, RICHEDIT_CLASSA, nullptr);
    shown.text = WindowText(shown.view);
    ::GetWindowRect(shown.window, &shown.frame);
    return shown;
}

RECT WorkArea() {
    RECT work = {};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

int Height(const RECT& rc) { return rc.bottom - rc.top; }

// A help window that sees a small screen, as on a low-resolution display.
class CSmallScreenHelpDlg : public CHelpDlg {
public:
    using CHelpDlg::CHelpDlg;

protected:
    ContentSize ScreenClientSize() const override { return {420, 260}; }
};

// A help window whose document is far longer than one stream request.
class CLongHelpDlg : public CHelpDlg {
public:
    using CHelpDlg::CHelpDlg;
    static std::string Paragraph(int i) { return "Paragraph " + std::to_string(i) + " of a very long help text."; }
    size_t documentSize = 0;
    size_t leftAfterStreaming = 1;

protected:
    bool LoadDocument() override {
        m_strDocument = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\pard\\plain\\f0\\fs18 ";
        for (int i = 0; i < 600; ++i) m_strDocument += Paragraph(i) + "\\par\n";
        m_strDocument += "}";
        documentSize = m_strDocument.size();
        return true;
    }
    BOOL OnInitDialog() override {
        const BOOL result = CHelpDlg::OnInitDialog();
        leftAfterStreaming = m_strDocument.size();
        return result;
    }
};

class HelpDialog : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.CreateEx(0, "help owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    }
    void TearDown() override {
        // Destroying the owner destroys its help windows, which delete themselves.
        m_owner.DestroyWindow();
        testbed::PumpFor(50);
    }
    CWnd m_owner;
};

}  // namespace

TEST_F(HelpDialog, EachPageShowsItsDocumentAsFormattedText) {
    struct Case {
        WizardPage page;
        int deviceCount;
        const char* heading;
        const char* detail;
    } cases[] = {
        {WizardPage::Devices, 2, "Your Harborbox was found", "Right-click the device"},
        {WizardPage::Shares, 2, "Assigning drive letters", "shortcuts to the new drive letters"},
        {WizardPage::Finish, 2, "Your shared folders are ready", "Map Network Drive"},
        {WizardPage::Devices, 0, "No Harborbox was found", "refer to the user manual"},
    };
    const RECT work = WorkArea();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.heading);
        const ShownHelp shown = Inspect(CHelpDlg::Open(&m_owner, ChooseHelpDocument(c.page, c.deviceCount)));
        ASSERT_NE(shown.window, nullptr);
        ASSERT_NE(shown.view, nullptr);
        EXPECT_TRUE(::IsWindowVisible(shown.window));
        EXPECT_EQ(WindowText(shown.window), "Harborbox Quickmap Help");
        EXPECT_EQ(::GetWindow(shown.window, GW_OWNER), m_owner.m_hWnd);
        EXPECT_NE(shown.text.find(c.heading), std::string::npos) << shown.text;
        EXPECT_NE(shown.text.find(c.detail), std::string::npos) << shown.text;
        EXPECT_EQ(shown.text.find("\\par"), std::string::npos) << "read as plain text, not RTF";
        EXPECT_EQ(shown.frame.left, work.left);
        EXPECT_EQ(shown.frame.top, work.top);
        EXPECT_LE(Height(shown.frame), ::GetSystemMetrics(SM_CYFULLSCREEN) - 80 + 40);
        ::DestroyWindow(shown.window);
    }
}

TEST_F(HelpDialog, TrademarkSignComesThroughCodePage1252) {
    const ShownHelp shown = Inspect(CHelpDlg::Open(&m_owner, IDR_HELP_DEVICES));
    EXPECT_NE(shown.text.find("Quickmap\x99 lists"), std::string::npos) << shown.text;
    ::DestroyWindow(shown.window);
}

TEST_F(HelpDialog, HelpFollowsTheDevicePageAfterARefreshFindsADevice) {
    ShownHelp shown = Inspect(CHelpDlg::Open(&m_owner, ChooseHelpDocument(WizardPage::Devices, 0)));
    EXPECT_NE(shown.text.find("No Harborbox was found"), std::string::npos);
    ::DestroyWindow(shown.window);
    shown = Inspect(CHelpDlg::Open(&m_owner, ChooseHelpDocument(WizardPage::Devices, 1)));
    EXPECT_NE(shown.text.find("Your Harborbox was found"), std::string::npos);
    ::DestroyWindow(shown.window);
}

TEST_F(HelpDialog, LongDocumentStreamsInPiecesAndIsCutAtTheScreenHeight) {
    auto* help = new CLongHelpDlg(&m_owner, 0);
    ASSERT_TRUE(help->Create());
    const ShownHelp shown = Inspect(help);
    EXPECT_GT(help->documentSize, 3u * 4096u);  // more than one request of the view
    EXPECT_EQ(help->leftAfterStreaming, 0u);
    // The whole text, in order.
    size_t at = 0;
    for (int i = 0; i < 600; ++i) {
        at = shown.text.find(CLongHelpDlg::Paragraph(i), at);
        ASSERT_NE(at, std::string::npos) << "paragraph " << i;
    }
    EXPECT_EQ(Height(shown.frame), ::GetSystemMetrics(SM_CYFULLSCREEN) - 80 + 40);
    SCROLLINFO scroll = {};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_RANGE | SIF_PAGE;
    ASSERT_TRUE(::GetScrollInfo(shown.view, SB_VERT, &scroll));
    EXPECT_GT(scroll.nMax - scroll.nMin + 1, static_cast<int>(scroll.nPage)) << "longer text scrolls";
    ::DestroyWindow(shown.window);
}

TEST_F(HelpDialog, SmallScreenLimitsTheHeightAndResizingRefitsTheView) {
    auto* help = new CSmallScreenHelpDlg(&m_owner, IDR_HELP_NOT_FOUND);
    ASSERT_TRUE(help->Create());
    const ShownHelp shown = Inspect(help);
    EXPECT_EQ(Height(shown.frame), 260 - 80 + 40);
    EXPECT_LE(shown.frame.right - shown.frame.left, 420 + 5 + ::GetSystemMetrics(SM_CXVSCROLL) + 14);

    ::SetWindowPos(shown.window, nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    testbed::PumpFor(50);
    RECT client, view;
    ::GetClientRect(shown.window, &client);
    ::GetWindowRect(shown.view, &view);
    ::MapWindowPoints(nullptr, shown.window, reinterpret_cast<POINT*>(&view), 2);
    EXPECT_EQ(view.left, 2);
    EXPECT_EQ(view.top, 2);
    EXPECT_EQ(view.right, client.right - 1);
    EXPECT_EQ(view.bottom, client.bottom - 1);
    ::DestroyWindow(shown.window);
}

TEST_F(HelpDialog, CloseButtonOnlyHidesAndAMissingDocumentLeavesTheViewEmpty) {
    const ShownHelp shown = Inspect(CHelpDlg::Open(&m_owner, 179));
    ASSERT_NE(shown.window, nullptr);
    EXPECT_EQ(shown.text, "");
    ::PostMessageA(shown.window, WM_CLOSE, 0, 0);
    testbed::PumpFor(50);
    EXPECT_TRUE(::IsWindow(shown.window));
    EXPECT_FALSE(::IsWindowVisible(shown.window));
    ::DestroyWindow(shown.window);
}
