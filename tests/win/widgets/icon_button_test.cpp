#include "button_test_dialog.h"
#include "res/resource.h"
#include "test_bed.h"
#include "widgets/icon_dimming.h"
#include <gtest/gtest.h>
#include <commctrl.h>
#include <cstdlib>
#include <string>

namespace {
const WORD kHelp = 1025, kBack = 1032, kNext = 1034, kCancel = IDOK, kRefresh = 1023;

COLORREF Sys(int index) { return ::GetSysColor(index); }

class IconButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dialog = std::make_unique<ButtonTestDialog>(WizardButtons());
        ASSERT_NE(m_dialog->Hwnd(), nullptr) << "no display?";
        // As the wizard window sets them up: icon, not flat.
        const struct { WORD id; int icon; } icons[] = {
            {kHelp, IDI_HELP_BUTTON}, {kBack, IDI_BACK}, {kNext, IDI_NEXT}, {kCancel, IDI_CLOSE}, {kRefresh, IDI_REFRESH}};
        for (const auto& entry : icons) {
            ASSERT_EQ(Button(entry.id).SetIcons(entry.icon, CIconButton::kNoIconOut), 0u);
            Button(entry.id).SetFlat(false);
        }
        m_dialog->Pump();
    }
    CIconButton& Button(WORD id) { return m_dialog->Button(id); }
    HWND Item(WORD id) { return m_dialog->Item(id); }

    std::unique_ptr<ButtonTestDialog> m_dialog;
};

TEST_F(IconButtonTest, DefaultButtonHasABlackFrameInsideWhichTheBorderIsRaised) {
    ASSERT_EQ(::GetFocus(), nullptr);
    ControlPicture cancel(Item(kCancel));
    const int right = cancel.Width() - 1, bottom = cancel.Height() - 1;
    for (auto corner : {POINT{0, 0}, POINT{right, 0}, POINT{0, bottom}, POINT{right, bottom}})
        EXPECT_EQ(cancel.At(corner.x, corner.y), RGB(0, 0, 0)) << corner.x << "," << corner.y;
    EXPECT_EQ(cancel.At(1, 1), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(cancel.At(2, 2), Sys(COLOR_3DLIGHT));
    EXPECT_EQ(cancel.At(right - 1, bottom - 1), Sys(COLOR_3DDKSHADOW));
    EXPECT_EQ(cancel.At(right - 2, bottom - 2), Sys(COLOR_BTNSHADOW));

    // Neither default nor focused: the raised border starts at the very edge.
    ControlPicture next(Item(kNext));
    EXPECT_EQ(next.At(0, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(next.At(right, bottom), Sys(COLOR_3DDKSHADOW));
}

TEST_F(IconButtonTest, DefaultFrameFollowsTheFocusedPushButton) {
    m_dialog->Activate();
    // The dialog manager makes a focused push button the default one (BM_SETSTYLE) and back.
    ::SendMessageA(m_dialog->Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(kBack)), TRUE);
    EXPECT_TRUE(Button(kBack).IsDefault());
    EXPECT_FALSE(Button(kCancel).IsDefault());
    EXPECT_EQ(ControlPicture(Item(kBack)).At(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(ControlPicture(Item(kCancel)).At(0, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(::SendMessageA(Item(kBack), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
    // Still owner-drawn after the style change.
    EXPECT_EQ(::GetWindowLongA(Item(kBack), GWL_STYLE) & 0x1F, BS_OWNERDRAW);

    ::SendMessageA(m_dialog->Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(ButtonTestDialog::kEditId)), TRUE);
    EXPECT_FALSE(Button(kBack).IsDefault());
    EXPECT_TRUE(Button(kCancel).IsDefault());
    EXPECT_EQ(::SendMessageA(Item(kBack), WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON, DLGC_UNDEFPUSHBUTTON);
}

TEST_F(IconButtonTest, ADoubleClickCountsAsTwoClicksAndTakesTheFocus) {
    m_dialog->Activate();
    const LPARAM inside = MAKELPARAM(10, 10);
    ::SendMessageA(Item(kNext), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    ::SendMessageA(Item(kNext), WM_LBUTTONUP, 0, inside);
    ::SendMessageA(Item(kNext), WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
    ::SendMessageA(Item(kNext), WM_LBUTTONUP, 0, inside);
    m_dialog->Pump();
    EXPECT_EQ(m_dialog->Clicks(kNext), 2);
    EXPECT_EQ(::GetFocus(), Item(kNext));
}

TEST_F(IconButtonTest, DisablingMovesTheFocusToTheNextTabStopOrTheParent) {
    m_dialog->Activate();
    ::SetFocus(Item(kBack));
    ::EnableWindow(Item(kBack), FALSE);
    EXPECT_EQ(::GetFocus(), Item(kNext));

    // The last enabled control: nothing to move to but the dialog itself.
    for (WORD id : {WORD(ButtonTestDialog::kEditId), kHelp, kCancel, kRefresh}) ::EnableWindow(Item(id), FALSE);
    ASSERT_EQ(::GetFocus(), Item(kNext));
    const int arrivals = m_dialog->FocusArrivals();
    ::EnableWindow(Item(kNext), FALSE);
    EXPECT_EQ(m_dialog->FocusArrivals(), arrivals + 1);
}

TEST_F(IconButtonTest, SetIconsMakesGreyAndDarkerCopiesOfTheFirstIcon) {
    int width = 0, height = 0;
    const std::vector<COLORREF> original = IconPixels(Button(kNext).GetIconIn(), width, height);
    ASSERT_GT(width, 0);
    ASSERT_EQ(original.size(), size_t(width) * height);

    struct Case {
        int iconOut;
        icon_dimming::ColorRef (*rule)(icon_dimming::ColorRef);
    };
    for (const Case& c : {Case{CIconButton::kGrayIconOut, &icon_dimming::GrayscalePixel},
                          Case{CIconButton::kDarkerIconOut, &icon_dimming::DarkerPixel}}) {
        ASSERT_EQ(Button(kNext).SetIcons(IDI_NEXT, c.iconOut), 0u);
        ASSERT_NE(Button(kNext).GetIconOut(), nullptr);
        int outWidth = 0, outHeight = 0;
        const std::vector<COLORREF> derived = IconPixels(Button(kNext).GetIconOut(), outWidth, outHeight);
        ASSERT_EQ(outWidth, width);
        ASSERT_EQ(outHeight, height);
        int black = 0, changed = 0;
        for (size_t i = 0; i < original.size(); ++i) {
            ASSERT_EQ(derived[i], c.rule(original[i])) << "pixel " << i << " of copy " << c.iconOut;
            black += original[i] == 0;
            changed += derived[i] != original[i];
        }
        // The picture has both transparent (black) and coloured pixels, so both rules were exercised.
        EXPECT_GT(black, 0);
        EXPECT_GT(changed, 0);
    }
    ASSERT_EQ(Button(kNext).SetIcons(IDI_NEXT, CIconButton::kNoIconOut), 0u);
    EXPECT_EQ(Button(kNext).GetIconOut(), nullptr);
}

TEST_F(IconButtonTest, GreyIconShowsNormallyAndTheColouredOneWhilePressed) {
    ASSERT_EQ(Button(kHelp).SetIcons(IDI_HELP_BUTTON, CIconButton::kGrayIconOut), 0u);
    auto greyPixels = [&] {
        ControlPicture picture(Item(kHelp));
        int grey = 0;
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < 8 + 32 + 4; ++x) {
                const COLORREF c = picture.At(x, y);
                grey += GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c);
            }
        return grey;
    };
    const int normal = greyPixels();
    ::SendMessageA(Item(kHelp), BM_SETSTATE, TRUE, 0);
    const int pressed = greyPixels();
    ::SendMessageA(Item(kHelp), BM_SETSTATE, FALSE, 0);
    EXPECT_GT(normal, pressed + 50);
}

TEST_F(IconButtonTest, FlatButtonRaisesItsBorderOnlyWhileHovered) {
    const LPARAM inside = MAKELPARAM(10, 10);
    ::SendMessageA(Item(kRefresh), WM_MOUSEMOVE, 0, inside);
    EXPECT_EQ(ControlPicture(Item(kRefresh)).At(0, 0), Sys(COLOR_BTNHIGHLIGHT)) << "non-flat: always raised";

    Button(kRefresh).SetFlat(true);
    EXPECT_EQ(ControlPicture(Item(kRefresh)).At(0, 0), Sys(COLOR_BTNFACE));
    ::SendMessageA(Item(kRefresh), WM_MOUSEMOVE, 0, inside);
    EXPECT_EQ(ControlPicture(Item(kRefresh)).At(0, 0), Sys(COLOR_BTNHIGHLIGHT));
    ::SendMessageA(Item(kRefresh), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(ControlPicture(Item(kRefresh)).At(0, 0), Sys(COLOR_BTNFACE));

    ::SendMessageA(Item(kRefresh), WM_MOUSEMOVE, 0, inside);
    ::EnableWindow(Item(kRefresh), FALSE);
    EXPECT_EQ(ControlPicture(Item(kRefresh)).At(0, 0), Sys(COLOR_BTNFACE)) << "disabling ends the hover";
}

// The tooltip control of a button: the popup owned by the dialog whose tool is that button.
HWND ToolTipOf(HWND dialog, HWND button) {
    struct Search {
        HWND dialog, button, found;
    } search = {dialog, button, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            char name[64] = {};
            ::GetClassNameA(hwnd, name, sizeof(name));
            if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || ::GetWindow(hwnd, GW_OWNER) != s->dialog) return TRUE;
            TTTOOLINFOA info = {};
            info.cbSize = TTTOOLINFOA_V2_SIZE;
            if (::SendMessageA(hwnd, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&info)) && info.hwnd == s->button) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ToolText(HWND toolTip, HWND button) {
    char text[512] = {};
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = button;
    info.uId = 1;
    info.lpszText = text;
    ::SendMessageA(toolTip, TTM_GETTEXTA, sizeof(text), reinterpret_cast<LPARAM>(&info));
    return text;
}

TEST_F(IconButtonTest, TooltipHasOneToolWhoseTextCanChange) {
    Button(kNext).SetTooltipText("Next", true);
    HWND tip = ToolTipOf(m_dialog->Hwnd(), Item(kNext));
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(ToolText(tip, Item(kNext)), "Next");
    EXPECT_EQ(::SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 400);

    Button(kNext).SetTooltipText("Open the web manager", false);
    Button(kNext).SetTooltipText(nullptr, true);  // changes nothing
    EXPECT_EQ(::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_EQ(ToolText(tip, Item(kNext)), "Open the web manager");
}

TEST_F(IconButtonTest, PressStyleAcceptsOnlyItsTwoStyles) {
    EXPECT_EQ(Button(kNext).SetPressStyle(1), 0u);
    EXPECT_EQ(Button(kNext).SetPressStyle(0), 0u);
    EXPECT_EQ(Button(kNext).SetPressStyle(2), 6u);
}

// The five looks side by side: normal (Help), hovered flat (Next), pressed (Back), disabled (Refresh) and
// default (Cancel). With QM_SHOT_HOLD_MS set the window stays up that long, for a screenshot.
TEST_F(IconButtonTest, FiveLooksSideBySide) {
    Button(kNext).SetFlat(true);
    ::SendMessageA(Item(kNext), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    ::SendMessageA(Item(kBack), BM_SETSTATE, TRUE, 0);
    ::EnableWindow(Item(kRefresh), FALSE);
    ::SetFocus(Item(ButtonTestDialog::kEditId));
    ::RedrawWindow(m_dialog->Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

    EXPECT_EQ(ControlPicture(Item(kHelp)).At(0, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(ControlPicture(Item(kNext)).At(0, 0), Sys(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(ControlPicture(Item(kNext)).At(1, 1), Sys(COLOR_BTNFACE));
    EXPECT_EQ(ControlPicture(Item(kBack)).At(0, 0), Sys(COLOR_BTNSHADOW));
    EXPECT_EQ(ControlPicture(Item(kCancel)).At(0, 0), RGB(0, 0, 0));

    const int hold = std::atoi(testbed::Env("QM_SHOT_HOLD_MS", "0").c_str());
    if (hold > 0) m_dialog->Pump(static_cast<DWORD>(hold));
}
}  // namespace
