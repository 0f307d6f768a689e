#include "framework/wnd.h"
#include "framework/app.h"

namespace {
const char kPlainWindowClass[] = "QmPlainWindow";
const char kObjectProperty[] = "QmWndObject";  // a property, so a control's own user data stays its own

CWnd* ObjectOf(HWND hwnd) { return static_cast<CWnd*>(::GetPropA(hwnd, kObjectProperty)); }

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
    if (m_hWnd && ObjectOf(m_hWnd) == this) {
        if (m_oldWndProc)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldWndProc));
        ::RemovePropA(m_hWnd, kObjectProperty);
    }
}

CWnd* CWnd::FromHandle(HWND hwnd) { return hwnd ? ObjectOf(hwnd) : nullptr; }

bool CWnd::SubclassDlgItem(int id, const CWnd& parent) { return SubclassWindow(parent.GetDlgItem(id)); }

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || ObjectOf(hwnd)) return false;
    m_hWnd = hwnd;
    ::SetPropA(hwnd, kObjectProperty, this);
    m_oldWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWndProc)));
    PreSubclassWindow();
    return true;
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
    if (m_oldWndProc) return ::CallWindowProcA(m_oldWndProc, m_hWnd, msg, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<CWnd*>(create->lpCreateParams);
        self->m_hWnd = hwnd;
        ::SetPropA(hwnd, kObjectProperty, self);
    }
    CWnd* self = ObjectOf(hwnd);
    if (!self) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->WindowProc(msg, wParam, lParam);
    } catch (...) {
        result = 0;  // no exception may cross into Windows
    }
    if (msg == WM_NCDESTROY) {
        if (self->m_oldWndProc)
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->m_oldWndProc));
        self->m_oldWndProc = nullptr;
        ::RemovePropA(hwnd, kObjectProperty);
        self->m_hWnd = nullptr;
        self->PostNcDestroy();
    }
    return result;
}
