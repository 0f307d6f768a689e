// A modeless dialog built in memory with an edit field and the wizard window's bottom row of push
// buttons, each attached to a CIconButton; it reflects notifications as the wizard window must.
#pragma once
#include "widgets/icon_button.h"
#include <windows.h>
#include <map>
#include <memory>
#include <vector>

struct ButtonSetup {
    WORD id;
    const char* caption;
    DWORD type;  // BS_PUSHBUTTON or BS_DEFPUSHBUTTON
};

// Ids and captions as in the wizard window: Help, Back, Next, Cancel (the default), Refresh.
std::vector<ButtonSetup> WizardButtons();

class ButtonTestDialog {
public:
    static const WORD kEditId = 100;

    explicit ButtonTestDialog(const std::vector<ButtonSetup>& buttons);
    ~ButtonTestDialog();

    HWND Hwnd() const { return m_hwnd; }
    HWND Item(WORD id) const { return ::GetDlgItem(m_hwnd, id); }
    CIconButton& Button(WORD id) { return *m_buttons.at(id); }
    // Makes the dialog the active window, with the focus in the edit field.
    void Activate() const;
    int Clicks(WORD id) const;
    // How often the dialog itself was given the focus.
    int FocusArrivals() const { return m_focusArrivals; }
    // Runs the messages waiting for this thread, for at least minMs.
    void Pump(DWORD minMs = 0) const;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    std::map<WORD, std::unique_ptr<CIconButton>> m_buttons;
    std::map<WORD, int> m_clicks;
    int m_focusArrivals = 0;
};

// The control as it paints itself (WM_PRINTCLIENT into a memory bitmap), read back pixel by pixel.
class ControlPicture {
public:
    explicit ControlPicture(HWND control);
    ~ControlPicture();
    COLORREF At(int x, int y) const { return ::GetPixel(m_dc, x, y); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// Every pixel of an icon's colour bitmap, row by row.
std::vector<COLORREF> IconPixels(HICON icon, int& width, int& height);
