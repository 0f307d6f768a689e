#include "widgets/icon_button.h"
#include "common/art_sizes.h"
#include "framework/app.h"
#include "framework/dpi.h"
#include "framework/handles.h"
#include "widgets/button_layout.h"
#include "widgets/icon_dimming.h"
#include <windowsx.h>

namespace {

const int kTooltipMaxWidth = 400;
const UINT_PTR kToolId = 1;
const LONG kButtonTypeMask = 0x1F;
// Any style with this bit reads as a check box: BS_CHECKBOX, BS_AUTOCHECKBOX (and BS_OWNERDRAW).
const LONG kCheckBoxBit = 0x02;
// BM_SETSTYLE keeps the control owner-drawn whatever type it is given.
const WPARAM kStyleBitsCleared = 0x14;
const WPARAM kStyleBitsSet = BS_OWNERDRAW;
const DWORD kInvalidPressStyle = 6;

button_layout::Rect ToLayout(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

// Width and height as twice the hot spot; the bitmaps GetIconInfo hands out are not needed.
bool ReadIconSize(HICON icon, int& width, int& height) {
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return false;
    const fw::unique_gdi<HBITMAP> color(info.hbmColor), mask(info.hbmMask);
    width = static_cast<int>(info.xHotspot * 2);
    height = static_cast<int>(info.yHotspot * 2);
    return true;
}

// A copy of the icon with every pixel of its colour bitmap passed through transform; the mask is shared.
HICON CreateDerivedIcon(HICON icon, icon_dimming::ColorRef (*transform)(icon_dimming::ColorRef)) {
    ICONINFO info = {};
    if (!icon || !::GetIconInfo(icon, &info)) return nullptr;
    const fw::unique_gdi<HBITMAP> color(info.hbmColor), mask(info.hbmMask);
    const fw::window_dc screen(nullptr);
    if (!screen || !color) return nullptr;
    const fw::unique_hdc sourceDc(::CreateCompatibleDC(screen.get()));
    const fw::unique_hdc targetDc(::CreateCompatibleDC(screen.get()));
    BITMAP description = {};
    if (!sourceDc || !targetDc || !::GetObjectA(color.get(), sizeof(description), &description)) return nullptr;
    const int width = static_cast<int>(info.xHotspot * 2);
    const int height = static_cast<int>(info.yHotspot * 2);
    const fw::unique_gdi<HBITMAP> target(
        ::CreateBitmap(width, height, description.bmPlanes, description.bmBitsPixel, nullptr));
    if (!target) return nullptr;
    {
        // Both bitmaps leave their DCs before the icon is made of them.
        const fw::selection source(sourceDc.get(), color.get());
        const fw::selection drawn(targetDc.get(), target.get());
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x)
                ::SetPixel(targetDc.get(), x, y, transform(::GetPixel(sourceDc.get(), x, y)));
        }
    }
    ICONINFO derived = info;
    derived.hbmColor = target.get();
    return ::CreateIconIndirect(&derived);
}

void DrawLine(HDC dc, int colourIndex, POINT from, POINT corner, POINT to) {
    const fw::unique_gdi<HPEN> pen(::CreatePen(PS_SOLID, 1, ::GetSysColor(colourIndex)));
    const fw::selection selected(dc, pen.get());
    ::MoveToEx(dc, from.x, from.y, nullptr);
    ::LineTo(dc, corner.x, corner.y);
    ::LineTo(dc, to.x, to.y);
}

void FillSolid(HDC dc, int x, int y, int cx, int cy, COLORREF colour) {
    ::SetBkColor(dc, colour);
    RECT rect = {x, y, x + cx, y + cy};
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

// One-pixel frame: topLeft colour along the top and left edges, bottomRight along the others.
void Draw3dRect(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight) {
    const int cx = rect.right - rect.left;
    const int cy = rect.bottom - rect.top;
    const COLORREF oldBk = ::GetBkColor(dc);
    FillSolid(dc, rect.left, rect.top, cx - 1, 1, topLeft);
    FillSolid(dc, rect.left, rect.top, 1, cy - 1, topLeft);
    FillSolid(dc, rect.right - 1, rect.top, 1, cy, bottomRight);
    FillSolid(dc, rect.left, rect.bottom - 1, cx, 1, bottomRight);
    ::SetBkColor(dc, oldBk);
}

}  // namespace

CIconButton::CIconButton() {
    SetDefaultColors(false);
    SetPressStyle(0, false);
}

CIconButton::~CIconButton() { FreeIcons(); }

void CIconButton::FreeIcons() {
    if (m_iconIn.handle) ::DestroyIcon(m_iconIn.handle);
    if (m_iconOut.handle) ::DestroyIcon(m_iconOut.handle);
    m_iconIn = {};
    m_iconOut = {};
}

DWORD CIconButton::SetIcons(int iconIn, int iconOut) {
    m_iconIds = {iconIn, iconOut};
    const int side = art_sizes::IconSide(kIconSide96, fw::WindowDpi(m_hWnd));
    auto load = [side](int id) {
        return static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, side, side,
                                               LR_DEFAULTCOLOR));
    };
    HICON in = load(iconIn);
    HICON out = nullptr;
    if (iconOut == kGrayIconOut || iconOut == kDarkerIconOut)
        out = IconOutMarker(iconOut);
    else if (iconOut != kNoIconOut)
        out = load(iconOut);
    return SetIconHandles(in, out);
}

DWORD CIconButton::SetIconHandles(HICON iconIn, HICON iconOut) {
    FreeIcons();
    DWORD result = 0;
    if (iconIn) {
        m_iconIn.handle = iconIn;
        if (iconOut == IconOutMarker(kDarkerIconOut))
            iconOut = CreateDarkerIcon(iconIn);
        else if (iconOut == IconOutMarker(kGrayIconOut))
            iconOut = CreateGrayscaleIcon(iconIn);
        m_iconOut.handle = iconOut;
        bool sizesRead = ReadIconSize(iconIn, m_iconIn.width, m_iconIn.height);
        if (sizesRead && iconOut) sizesRead = ReadIconSize(iconOut, m_iconOut.width, m_iconOut.height);
        if (!sizesRead) {
            FreeIcons();
            result = 1;
        }
    } else if (iconOut && iconOut != IconOutMarker(kDarkerIconOut) && iconOut != IconOutMarker(kGrayIconOut)) {
        // Without an icon-in the button shows nothing: the icon-out handed over is not kept, so free it.
        ::DestroyIcon(iconOut);
    }
    if (m_hWnd) Repaint();
    return result;
}

void CIconButton::SetFlat(bool flat, bool repaint) {
    m_bIsFlat = flat;
    if (repaint && m_hWnd) Repaint();
}

DWORD CIconButton::SetPressStyle(int style, bool repaint) {
    switch (style) {
    case 0:
        m_pressOffsetX = 1;
        m_pressOffsetY = 1;
        break;
    case 1:
        m_pressOffsetX = 0;
        m_pressOffsetY = 2;
        break;
    default:
        return kInvalidPressStyle;
    }
    if (repaint && m_hWnd) Repaint();
    return 0;
}

void CIconButton::SetDefaultColors(bool repaint) {
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    m_colours[kBkIn] = m_colours[kBkOut] = m_colours[kBkFocus] = face;
    m_colours[kFgIn] = m_colours[kFgOut] = m_colours[kFgFocus] = text;
    if (repaint && m_hWnd) Repaint();
}

void CIconButton::SetCheck(int check, bool repaint) {
    if (!m_bIsCheckBox) return;
    m_bChecked = check != 0;
    if (repaint && m_hWnd) Repaint();
}

void CIconButton::InitToolTip() {
    if (m_toolTip.m_hWnd) return;
    m_toolTip.Create(m_hWnd, 0);
    m_toolTip.Activate(false);
    m_toolTip.SetMaxTipWidth(kTooltipMaxWidth);
}

void CIconButton::SetTooltipText(const char* text, bool activate) {
    if (!text) return;
    InitToolTip();
    if (m_toolTip.GetToolCount() == 0) {
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        m_toolTip.AddTool(m_hWnd, text, client, kToolId);
    }
    m_toolTip.UpdateTipText(text, m_hWnd, kToolId);
    m_toolTip.Activate(activate);
}

HICON CIconButton::CreateGrayscaleIcon(HICON icon) { return CreateDerivedIcon(icon, &icon_dimming::GrayscalePixel); }

HICON CIconButton::CreateDarkerIcon(HICON icon) { return CreateDerivedIcon(icon, &icon_dimming::DarkerPixel); }

COLORREF CIconButton::DarkenColor(COLORREF colour, double factor) { return icon_dimming::DarkenColor(colour, factor); }

void CIconButton::PreSubclassWindow() {
    const LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
    m_bIsCheckBox = (style & kCheckBoxBit) != 0;
    m_bIsDefault = (style & kButtonTypeMask) == BS_DEFPUSHBUTTON;
    ::SetWindowLongA(m_hWnd, GWL_STYLE, (style & ~kButtonTypeMask) | BS_OWNERDRAW);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CButton::PreSubclassWindow();
}

void CIconButton::PreTranslateMessage(MSG& msg) {
    InitToolTip();
    m_toolTip.RelayEvent(&msg);
    // An owner-drawn button reports a second quick click as a double-click, not as a click.
    if (msg.message == WM_LBUTTONDBLCLK) msg.message = WM_LBUTTONDOWN;
}

void CIconButton::OnReflectedClick() {
    ::SetFocus(m_hWnd);
    if (m_bIsCheckBox) {
        m_bChecked = !m_bChecked;
        Repaint();
    }
}

LRESULT CIconButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || (msg >= WM_KEYFIRST && msg <= WM_KEYLAST)) {
        MSG input = {m_hWnd, msg, wParam, lParam, static_cast<DWORD>(::GetMessageTime()), {}};
        const DWORD pos = ::GetMessagePos();
        input.pt = {GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
        PreTranslateMessage(input);
        msg = input.message;
    }
    switch (msg) {
    case fw::kDpiChangedAfterParent:
        // Moved to a monitor of another scaling: the icons drawn for it.
        if (m_iconIds.in) SetIcons(m_iconIds.in, m_iconIds.out);
        return CButton::WindowProc(msg, wParam, lParam);
    case kReflectedMessageBase + WM_CTLCOLORBTN:
        // The parent paints no background behind the button.
        return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    case kReflectedMessageBase + WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) OnReflectedClick();
        return 0;
    case WM_MOUSEMOVE: {
        const LRESULT result = CButton::WindowProc(msg, wParam, lParam);
        OnMouseMove(wParam, lParam);
        return result;
    }
    case WM_MOUSELEAVE:
        CancelHover();
        return 0;
    case WM_KILLFOCUS:
    case WM_CANCELMODE: {
        const LRESULT result = CButton::WindowProc(msg, wParam, lParam);
        CancelHover();
        return result;
    }
    case WM_ACTIVATE: {
        const LRESULT result = CButton::WindowProc(msg, wParam, lParam);
        if (LOWORD(wParam) == WA_INACTIVE) CancelHover();
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = CButton::WindowProc(msg, wParam, lParam);
        OnEnable(wParam != FALSE);
        return result;
    }
    case WM_GETDLGCODE:
        return CButton::WindowProc(msg, wParam, lParam) | (m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE:
        return OnSetStyle(wParam, lParam);
    case BM_SETCHECK:
        SetCheck(wParam == BST_CHECKED || wParam == BST_INDETERMINATE ? 1 : 0);
        return 0;
    case BM_GETCHECK:
        return GetCheck();
    case WM_SYSCOLORCHANGE: {
        const LRESULT result = CButton::WindowProc(msg, wParam, lParam);
        SetDefaultColors(true);
        return result;
    }
    default:
        return CButton::WindowProc(msg, wParam, lParam);
    }
}

void CIconButton::OnMouseMove(WPARAM keys, LPARAM position) {
    POINT point = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ::ClientToScreen(m_hWnd, &point);
    HWND underCursor = ::WindowFromPoint(point);
    if ((keys & MK_LBUTTON) && !m_bMouseOnButton) return;
    if (!m_bIsFlat) return;
    const bool activeCheck = m_bAlwaysTrack || ::GetActiveWindow() != nullptr;
    if (underCursor == m_hWnd && activeCheck) {
        if (!m_bMouseOnButton) {
            m_bMouseOnButton = true;
            Repaint();
            TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, m_hWnd, 0};
            ::_TrackMouseEvent(&track);
        }
    } else {
        CancelHover();
    }
}

void CIconButton::CancelHover() {
    if (m_bIsFlat && m_bMouseOnButton) {
        m_bMouseOnButton = false;
        Repaint();
    }
}

void CIconButton::OnEnable(bool enabled) {
    if (!enabled) {
        // A disabled control cannot keep the keyboard focus; hand it on as Tab would.
        HWND parent = ::GetParent(m_hWnd);
        HWND next = ::GetNextDlgTabItem(parent, m_hWnd, FALSE);
        // With no other tab stop left the search can come back to this very button.
        ::SetFocus(next && next != m_hWnd ? next : parent);
    }
    CancelHover();
}

LRESULT CIconButton::OnSetStyle(WPARAM style, LPARAM redraw) {
    const WPARAM type = style & kButtonTypeMask;
    if (type == BS_DEFPUSHBUTTON)
        m_bIsDefault = true;
    else if (type == BS_PUSHBUTTON)
        m_bIsDefault = false;
    return CButton::WindowProc(BM_SETSTYLE, (style & ~kStyleBitsCleared) | kStyleBitsSet, redraw);
}

CIconButton::ColourIndex CIconButton::BackgroundIndex() const {
    if (m_bMouseOnButton || m_bIsPressed) return kBkIn;
    return m_bIsFocused ? kBkFocus : kBkOut;
}

void CIconButton::DrawItem(DRAWITEMSTRUCT* item) {
    HDC dc = item->hDC;
    m_bIsPressed = (item->itemState & ODS_SELECTED) != 0 || (m_bIsCheckBox && m_bChecked);
    m_bIsFocused = (item->itemState & ODS_FOCUS) != 0;
    m_bIsDisabled = (item->itemState & ODS_DISABLED) != 0;

    const int saved = ::SaveDC(dc);
    if (HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT))) ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    RECT itemRect = item->rcItem;
    OnDrawBackground(dc, &itemRect);
    OnDrawBorder(dc, &itemRect);

    const std::string caption = GetWindowText();
    RECT captionRect = item->rcItem;
    if (m_iconIn.handle) DrawIconImage(dc, !caption.empty(), &item->rcItem, &captionRect, m_bIsPressed, m_bIsDisabled);
    if (!caption.empty()) DrawCaption(dc, caption, &item->rcItem, &captionRect, m_bIsPressed, m_bIsDisabled);
    ::RestoreDC(dc, saved);
}

void CIconButton::OnDrawBackground(HDC dc, RECT* rect) {
    if (!m_bIsFlat && (m_bIsFocused || m_bIsDefault)) {
        ::FrameRect(dc, rect, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::InflateRect(rect, -1, -1);
    }
    const fw::unique_gdi<HBRUSH> background(::CreateSolidBrush(m_colours[BackgroundIndex()]));
    ::FillRect(dc, rect, background.get());
}

void CIconButton::OnDrawBorder(HDC dc, RECT* rect) {
    if (m_bIsPressed) {
        if (!m_bIsFlat)
            ::FrameRect(dc, rect, ::GetSysColorBrush(COLOR_BTNSHADOW));
        else if (m_bDrawBorder)
            Draw3dRect(dc, *rect, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
        return;
    }
    if (!m_bIsFlat) {
        const LONG l = rect->left, t = rect->top, r = rect->right, b = rect->bottom;
        DrawLine(dc, COLOR_BTNHIGHLIGHT, {l, b - 1}, {l, t}, {r, t});
        DrawLine(dc, COLOR_3DLIGHT, {l + 1, b - 1}, {l + 1, t + 1}, {r, t + 1});
        DrawLine(dc, COLOR_3DDKSHADOW, {l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1});
        DrawLine(dc, COLOR_BTNSHADOW, {l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t});
    } else if (m_bMouseOnButton && m_bDrawBorder) {
        Draw3dRect(dc, *rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    }
}

void CIconButton::DrawIconImage(HDC dc, bool hasCaption, const RECT* item, RECT* caption, bool pressed,
                                bool disabled) {
    const bool useIconOut = m_iconOut.handle && !pressed && (m_bIsCheckBox || !m_bMouseOnButton);
    const Icon& icon = useIconOut ? m_iconOut : m_iconIn;
    button_layout::Offset position =
        button_layout::IconPosition(ToLayout(*item), icon.width, icon.height, hasCaption, m_marginX);
    if (hasCaption) caption->left += m_marginX + icon.width;
    if (pressed && !m_bIsCheckBox) {
        position.dx += m_pressOffsetX;
        position.dy += m_pressOffsetY;
    }
    ::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.handle), 0, position.dx, position.dy,
                 item->right - position.dx, item->bottom - position.dy, DST_ICON | (disabled ? DSS_DISABLED : 0));
}

void CIconButton::DrawCaption(HDC dc, const std::string& caption, const RECT*, RECT* captionRect, bool pressed,
                              bool disabled) {
    if (pressed && !m_bIsCheckBox) ::OffsetRect(captionRect, m_pressOffsetX, m_pressOffsetY);
    const UINT format = DT_WORDBREAK | DT_CENTER;
    RECT textRect = *captionRect;
    ::DrawTextA(dc, caption.c_str(), -1, &textRect, format | DT_CALCRECT);
    const button_layout::Offset offset = button_layout::CaptionOffset(
        caption.size(), ToLayout(*captionRect), textRect.right - textRect.left, textRect.bottom - textRect.top);
    ::OffsetRect(&textRect, offset.dx, offset.dy);

    if (disabled) {
        // Engraved: a highlight copy one pixel down and right under the shadow-coloured text.
        ::OffsetRect(&textRect, 1, 1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextA(dc, caption.c_str(), -1, &textRect, format);
        ::OffsetRect(&textRect, -1, -1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
    } else {
        const ColourIndex background = BackgroundIndex();
        ::SetTextColor(dc, m_colours[TextIndex(background)]);
        ::SetBkColor(dc, m_colours[background]);
    }
    ::DrawTextA(dc, caption.c_str(), -1, &textRect, format);
}
