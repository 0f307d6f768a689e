#include "framework/message_pump.h"

void DispatchWithDialogKeys(MSG& msg) {
    HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && ::IsDialogMessageA(root, &msg)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
}

BOOL PumpPendingMessages() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return 0;
        }
        DispatchWithDialogKeys(msg);
    }
    return 1;
}
