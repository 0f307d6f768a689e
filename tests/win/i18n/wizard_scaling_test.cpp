// The wizard window's pictures at the display scaling the test bed gives (the suite runs this at 96, 144
// and 192 dpi): each drawn for it, none stretched, the banner within the window.
#include "app/wizard_fixture.h"
#include <commctrl.h>

namespace {
int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

// The side of the list and tree pictures each scaling asks for: the drawings are 16, 24 and 32 pixels.
int ExpectedPictureSide(int dpi) { return dpi >= 192 ? 32 : dpi >= 144 ? 24 : 16; }

int IconSide(HIMAGELIST images) {
    int cx = 0, cy = 0;
    if (!images || !::ImageList_GetIconSize(images, &cx, &cy) || cx != cy) return 0;
    return cx;
}
}  // namespace

class WizardScaling : public WizardFixture {};

TEST_F(WizardScaling, ListAndTreePicturesAreDrawnForTheDpi) {
    const int dpi = ScreenDpi();
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    EXPECT_EQ(IconSide(reinterpret_cast<HIMAGELIST>(::SendMessageA(Control(IDC_DEVICE_LIST), LVM_GETIMAGELIST,
                                                                     LVSIL_SMALL, 0))),
              ExpectedPictureSide(dpi));
    EXPECT_EQ(IconSide(reinterpret_cast<HIMAGELIST>(::SendMessageA(Control(IDC_SHARE_TREE), TVM_GETIMAGELIST,
                                                                     TVSIL_NORMAL, 0))),
              ExpectedPictureSide(dpi));
}

TEST_F(WizardScaling, TheBannerIsTheLargestDrawingThatFitsTheWindow) {
    const int dpi = ScreenDpi();
    HWND banner = Control(IDC_BANNER);
    BITMAP shown = {};
    ASSERT_TRUE(::GetObjectA(reinterpret_cast<HGDIOBJ>(::SendMessageA(banner, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                             sizeof shown, &shown));
    RECT place, client;
    ::GetWindowRect(banner, &place);
    ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&place), 2);
    ::GetClientRect(m_hwnd, &client);
    EXPECT_LE(place.right, client.right) << "the banner is cut by the window's edge";
    // At 100 % the 438-pixel drawing; above, a larger one wherever the window has room for it.
    if (dpi < 144 || client.right - 2 * place.left - 2 < 640)
        EXPECT_EQ(shown.bmWidth, 438) << dpi << " dpi";
    else
        EXPECT_GT(shown.bmWidth, 438) << dpi << " dpi";
}
