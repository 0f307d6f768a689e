#include "share_tree_window.h"
#include "framework/message_reflection.h"
#include "shares/share_tree_messages.h"

ShareTreeWindow::ShareTreeWindow(bool checkBoxes) {
    CreateEx(0, "Share tree test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 360, 300, nullptr, nullptr);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASLINES | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP;
    if (checkBoxes) style |= TVS_CHECKBOXES;
    const HWND tree = ::CreateWindowExA(0, WC_TREEVIEWA, "", style, 8, 8, 330, 250, m_hWnd,
                                        reinterpret_cast<HMENU>(1000), nullptr, nullptr);
    m_tree.SubclassWindow(tree);
}

ShareTreeWindow::~ShareTreeWindow() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

LRESULT ShareTreeWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectChildNotification(msg, wParam, lParam, result)) return result;
    if (msg >= UM_OPEN_SHARE && msg <= UM_DELETE_SHARE) {
        m_posted.push_back(msg);
        return 0;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
