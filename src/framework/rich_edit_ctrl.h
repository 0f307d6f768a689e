// Rich edit control (RichEdit 2.0, ANSI): thin wrappers of its messages.
#pragma once
#include "framework/wnd.h"
#include <richedit.h>

class CRichEditCtrl : public CWnd {
public:
    // Loads the control's library on first use; false when it or the window cannot be made.
    bool Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    COLORREF SetBackgroundColor(COLORREF color) const {
        return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, 0, color));
    }
    void SetOptions(WORD operation, DWORD options) const { SendMessage(EM_SETOPTIONS, operation, options); }
    DWORD SetEventMask(DWORD mask) const { return static_cast<DWORD>(SendMessage(EM_SETEVENTMASK, 0, mask)); }
    void RequestResize() const { SendMessage(EM_REQUESTRESIZE); }
    // The formatting rectangle, in client coordinates.
    void SetRect(const RECT& rect) const { SendMessage(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&rect)); }
    // Returns the number of characters read; stream.dwError tells whether the reader failed.
    LONG StreamIn(int format, EDITSTREAM& stream) const {
        return static_cast<LONG>(SendMessage(EM_STREAMIN, static_cast<WPARAM>(format),
                                             reinterpret_cast<LPARAM>(&stream)));
    }
    void MoveWindow(const RECT& rect, bool repaint) const {
        ::MoveWindow(m_hWnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                     repaint ? TRUE : FALSE);
    }
};
