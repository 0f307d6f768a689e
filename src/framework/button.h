// A push button attached to a dialog control; owner-drawn buttons draw themselves in DrawItem.
#pragma once
#include "framework/message_reflection.h"
#include "framework/wnd.h"

class CButton : public CWnd {
protected:
    // Owner-drawn buttons: the WM_DRAWITEM their parent reflects (ReflectChildNotification).
    virtual void DrawItem(DRAWITEMSTRUCT* /*item*/) {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
