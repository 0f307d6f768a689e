// Owner-drawn push button with an icon left of its caption and a tooltip. It attaches to an ordinary
// push button of a dialog template and turns it owner-drawn itself, so the template keeps
// PUSHBUTTON / DEFPUSHBUTTON (an owner-draw style there would read as a check box, see PreSubclassWindow).
// Attach with SubclassDlgItem. The parent must hand back WM_DRAWITEM, WM_CTLCOLORBTN and WM_COMMAND
// (ReflectChildNotification).
#pragma once
#include "framework/button.h"
#include "framework/tooltip_ctrl.h"
#include <string>

class CIconButton : public CButton {
public:
    // Second-icon choices of SetIcons besides a resource id.
    enum : int { kNoIconOut = 0, kGrayIconOut = -2, kDarkerIconOut = -3 };

    CIconButton();
    ~CIconButton() override;

    // Loads the icons at the size of the button's DPI, and again when that changes. iconOut: a resource id,
    // kNoIconOut, kGrayIconOut or kDarkerIconOut.
    DWORD SetIcons(int iconIn, int iconOut);
    // Takes ownership of both icons; iconOut may be IconOutMarker(kGrayIconOut or kDarkerIconOut).
    // Returns 0, or 1 when an icon's size cannot be read (the button then holds no icon).
    DWORD SetIconHandles(HICON iconIn, HICON iconOut);
    static HICON IconOutMarker(int choice) { return reinterpret_cast<HICON>(static_cast<INT_PTR>(choice)); }

    void SetFlat(bool flat, bool repaint = true);
    // 0: icon and caption move by (1, 1) while pressed; 1: by (0, 2). Other styles give 6.
    DWORD SetPressStyle(int style, bool repaint = false);
    void SetDefaultColors(bool repaint = true);
    void SetCheck(int check, bool repaint = true);
    int GetCheck() const { return m_bChecked ? 1 : 0; }
    // A null text changes nothing.
    void SetTooltipText(const char* text, bool activate = true);

    bool IsDefault() const { return m_bIsDefault; }
    HICON GetIconIn() const { return m_iconIn.handle; }
    HICON GetIconOut() const { return m_iconOut.handle; }

    static HICON CreateGrayscaleIcon(HICON icon);
    static HICON CreateDarkerIcon(HICON icon);
    static COLORREF DarkenColor(COLORREF colour, double factor);

protected:
    virtual void OnDrawBackground(HDC dc, RECT* rect);
    virtual void OnDrawBorder(HDC dc, RECT* rect);
    virtual void DrawIconImage(HDC dc, bool hasCaption, const RECT* item, RECT* caption, bool pressed, bool disabled);
    virtual void DrawCaption(HDC dc, const std::string& caption, const RECT* item, RECT* captionRect, bool pressed,
                             bool disabled);

    void DrawItem(DRAWITEMSTRUCT* item) override;
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    struct Icon {
        HICON handle = nullptr;
        int width = 0;
        int height = 0;
    };
    // Each state's background is followed by its text colour.
    enum ColourIndex { kBkIn, kFgIn, kBkOut, kFgOut, kBkFocus, kFgFocus, kColourCount };

    void FreeIcons();
    // Mouse and keyboard input, before the control sees it.
    void PreTranslateMessage(MSG& msg);
    void OnReflectedClick();
    void OnMouseMove(WPARAM keys, LPARAM position);
    void CancelHover();
    void OnEnable(bool enabled);
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    void InitToolTip();
    void Repaint() const { ::InvalidateRect(m_hWnd, nullptr, TRUE); }
    // "in" when hovered or pressed, else "focus" when focused, else "out".
    ColourIndex BackgroundIndex() const;
    static ColourIndex TextIndex(ColourIndex background) { return static_cast<ColourIndex>(background + 1); }

    // The icons are 16 pixels at 96 dpi.
    static constexpr int kIconSide96 = 16;
    struct {
        int in = 0, out = 0;
    } m_iconIds;
    int m_marginX = 3;
    int m_pressOffsetX = 1;
    int m_pressOffsetY = 1;
    bool m_bIsFlat = true;
    bool m_bMouseOnButton = false;
    bool m_bIsPressed = false;
    bool m_bIsFocused = false;
    bool m_bIsDisabled = false;
    bool m_bIsDefault = false;
    bool m_bIsCheckBox = false;
    bool m_bChecked = false;
    bool m_bDrawBorder = true;
    bool m_bAlwaysTrack = true;
    COLORREF m_colours[kColourCount] = {};
    Icon m_iconIn;
    Icon m_iconOut;
    CToolTipCtrl m_toolTip;
};
