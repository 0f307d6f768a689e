// The wizard window's and the copy window's pictures at the display scaling the test bed gives (the suite
// runs this at 96, 144 and 192 dpi): each drawn for it, none stretched, the banner within the window.
#include "app/wizard_fixture.h"
#include "copy/copy_progress_dlg.h"
#include "copy/drop_test_window.h"
#include "framework/handles.h"
#include "res/resource_copy.h"
#include <commctrl.h>
#include <algorithm>
#include <climits>
#include <functional>

namespace {
int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi;
}

// The side of the list and tree pictures each scaling asks for: the drawings are 16, 24 and 32 pixels.
int ExpectedPictureSide(int dpi) { return dpi >= 192 ? 32 : dpi >= 144 ? 24 : 16; }

// Where the pictures are drawn inside a control: the box of every pixel unlike its top left corner.
RECT DrawnPart(HWND control) {
    RECT client = {};
    ::GetClientRect(control, &client);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    fw::unique_gdi<HBITMAP> copy(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    fw::unique_hdc memory(::CreateCompatibleDC(nullptr));
    RECT drawn = {LONG_MAX, LONG_MAX, -1, -1};
    if (!copy || !memory) return drawn;
    {
        fw::selection selected(memory.get(), copy.get());
        fw::window_dc window(control);
        ::BitBlt(memory.get(), 0, 0, client.right, client.bottom, window.get(), 0, 0, SRCCOPY);
    }
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (LONG y = 0; y < client.bottom; ++y)
        for (LONG x = 0; x < client.right; ++x)
            if (pixels[y * client.right + x] != pixels[0]) {
                drawn.left = std::min(drawn.left, x);
                drawn.top = std::min(drawn.top, y);
                drawn.right = std::max(drawn.right, x + 1);
                drawn.bottom = std::max(drawn.bottom, y + 1);
            }
    return drawn;
}

int IconSide(HIMAGELIST images) {
    int cx = 0, cy = 0;
    if (!images || !::ImageList_GetIconSize(images, &cx, &cy) || cx != cy) return 0;
    return cx;
}
}  // namespace

class WizardScaling : public WizardFixture {
protected:
    // The banner's drawing as shown: its width, where the control stands and the window's client area.
    struct ShownBanner {
        LONG width = 0;
        RECT place = {};
        RECT client = {};
    };
    ShownBanner Banner() const {
        ShownBanner shown;
        HWND banner = Control(IDC_BANNER);
        BITMAP drawing = {};
        if (::GetObjectA(reinterpret_cast<HGDIOBJ>(::SendMessageA(banner, STM_GETIMAGE, IMAGE_BITMAP, 0)),
                         sizeof drawing, &drawing))
            shown.width = drawing.bmWidth;
        ::GetWindowRect(banner, &shown.place);
        ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&shown.place), 2);
        ::GetClientRect(m_hwnd, &shown.client);
        return shown;
    }
};

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
    const ShownBanner shown = Banner();
    EXPECT_LE(shown.place.right, shown.client.right) << "the banner is cut by the window's edge";
    // At 100 % the 438-pixel drawing; above, a larger one wherever the window has room for it.
    if (dpi < 144 || shown.client.right - 2 * shown.place.left - 2 < 640)
        EXPECT_EQ(shown.width, 438) << dpi << " dpi";
    else
        EXPECT_GT(shown.width, 438) << dpi << " dpi";
}

TEST_F(WizardScaling, TheCopyAnimationIsDrawnForTheDpiAndShownWhole) {
    // The width of every frame, from the computer's left edge to the appliance's right one, at each scaling
    // (the page flies between them, so the height changes).
    const struct {
        int dpi;
        LONG width;
    } drawings[] = {{96, 237}, {144, 357}, {192, 474}};
    const int dpi = ScreenDpi();
    auto batch = std::make_shared<CopyBatch>();
    CCopyProgressDlg progress(batch);
    RECT drawn = {}, client = {};
    // Looked at from within the window's own message loop, which ends when the batch is finished.
    static std::function<void()> look;
    look = [&] {
        HWND animation = ::GetDlgItem(FindCopyProgressWindow(), IDC_COPY_ANIMATION);
        ::GetClientRect(animation, &client);
        drawn = DrawnPart(animation);
        batch->finished = true;
    };
    ::SetTimer(nullptr, 0, 700, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        look();
    });
    progress.Run(m_hwnd);
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    // Anything touching the control's edge was cut off.
    EXPECT_GT(drawn.left, 0);
    EXPECT_GT(drawn.top, 0);
    EXPECT_LT(drawn.right, client.right);
    EXPECT_LT(drawn.bottom, client.bottom);
    for (const auto& drawing : drawings)
        if (drawing.dpi == dpi) {
            EXPECT_EQ(drawing.width, drawn.right - drawn.left);
        }
}

TEST_F(WizardScaling, MovingToAMonitorOfItsOwnScalingBringsBackTheBannerThatFits) {
    // As if the window came from a 200 % monitor: the largest drawing shown, then the move's message.
    HWND banner = Control(IDC_BANNER);
    HBITMAP large = static_cast<HBITMAP>(
        ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_BANNER_192), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_TRUE(large);
    ::SendMessageA(banner, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(large));
    RECT window;
    ::GetWindowRect(m_hwnd, &window);
    const int dpi = ScreenDpi();
    ::SendMessageA(m_hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&window));

    const ShownBanner shown = Banner();
    EXPECT_LE(shown.place.left + shown.width, shown.client.right) << dpi << " dpi: the banner is cut";
    ::DeleteObject(large);
}
