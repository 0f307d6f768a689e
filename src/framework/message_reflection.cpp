#include "framework/message_reflection.h"

namespace {
HWND NotifyingChild(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_DRAWITEM:
        // wParam 0 means a menu item, which has no window.
        return wParam && lParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<HWND>(lParam);
    default:
        return nullptr;
    }
}
}  // namespace

bool ReflectChildNotification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = NotifyingChild(msg, wParam, lParam);
    if (!child) return false;
    const LRESULT answer = ::SendMessageA(child, kReflectedMessageBase + msg, wParam, lParam);
    if (msg == WM_COMMAND || msg == WM_NOTIFY || answer == 0) return false;
    result = answer;
    return true;
}
