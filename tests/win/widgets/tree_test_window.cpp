#include "widgets/tree_test_window.h"
#include "framework/message_reflection.h"

TreeTestWindow::TreeTestWindow(CTreeCtrl& tree, bool checkBoxes) {
    CreateEx(0, "Tree test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 360, 300, nullptr, nullptr);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASLINES | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP;
    if (checkBoxes) style |= TVS_CHECKBOXES;
    const HWND control = ::CreateWindowExA(0, WC_TREEVIEWA, "", style, 8, 8, 330, 250, m_hWnd,
                                           reinterpret_cast<HMENU>(1000), nullptr, nullptr);
    tree.SubclassWindow(control);
}

TreeTestWindow::~TreeTestWindow() {
    if (m_hWnd) ::DestroyWindow(m_hWnd);
}

LRESULT TreeTestWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectChildNotification(msg, wParam, lParam, result)) return result;
    if (msg > WM_USER && msg < WM_USER + 200) {
        m_posted.push_back(msg);
        return 0;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}
