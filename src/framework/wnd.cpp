#include "framework/wnd.h"
#include "framework/app.h"

namespace {
const char kPlainWindowClass[] = "QmPlainWindow";

bool RegisterPlainClass(WNDPROC proc) {
    WNDCLASSA wc = {};
    if (::GetClassInfoA(AfxGetInstanceHandle(), kPlainWindowClass, &wc)) return true;
    wc.lpfnWndProc = proc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = kPlainWindowClass;
    return ::RegisterClassA(&wc) != 0;
}
}  // namespace

CWnd::~CWnd() {
    if (m_hWnd && ::GetWindowLongPtrA(m_hWnd, GWLP_USERDATA) == reinterpret_cast<LONG_PTR>(this))
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
}

bool CWnd::CreateEx(DWORD exStyle, const char* caption, DWORD style, int x, int y, int cx, int cy,
                    HWND parent, HMENU menu) {
    if (!RegisterPlainClass(&CWnd::StaticWndProc)) return false;
    HWND hwnd = ::CreateWindowExA(exStyle, kPlainWindowClass, caption, style, x, y, cx, cy, parent, menu,
                                  AfxGetInstanceHandle(), this);
    return hwnd != nullptr;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return ::DestroyWindow(m_hWnd);
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    m_hWnd = nullptr;
    return hwnd;
}

std::string CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(m_hWnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void CWnd::CenterWindow() const {
    RECT rc;
    ::GetWindowRect(m_hWnd, &rc);
    RECT work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int x = work.left + ((work.right - work.left) - (rc.right - rc.left)) / 2;
    int y = work.top + ((work.bottom - work.top) - (rc.bottom - rc.top)) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<CWnd*>(create->lpCreateParams);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    try {
        LRESULT result = self->WindowProc(msg, wParam, lParam);
        if (msg == WM_NCDESTROY) {
            ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->m_hWnd = nullptr;
            self->PostNcDestroy();
        }
        return result;
    } catch (...) {
        return 0;  // no exception may cross into Windows
    }
}
