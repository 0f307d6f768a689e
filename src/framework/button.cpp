#include "framework/button.h"

LRESULT CButton::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kReflectedMessageBase + WM_DRAWITEM) {
        DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
