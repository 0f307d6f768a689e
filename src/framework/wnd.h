// Non-copyable wrapper of a window handle; a window of our own routes its messages to WindowProc.
#pragma once
#include <windows.h>
#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // The object that took over `hwnd` (subclassed or created it), or null.
    static CWnd* FromHandle(HWND hwnd);

    // Creates a window of the framework's plain class (no class styles, cursor, brush or icon).
    bool CreateEx(DWORD exStyle, const char* caption, DWORD style, int x, int y, int cx, int cy,
                  HWND parent, HMENU menu);
    BOOL DestroyWindow();
    // Takes over a control that a dialog template created, so its messages reach WindowProc.
    bool SubclassDlgItem(int id, const CWnd& parent);
    bool SubclassWindow(HWND hwnd);

    void Attach(HWND hwnd) { m_hWnd = hwnd; }

    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, msg, wParam, lParam);
    }
    BOOL ShowWindow(int cmd) const { return ::ShowWindow(m_hWnd, cmd); }
    bool IsWindowVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    bool IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    void EnableWindow(bool enable) const { ::EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
    void SetWindowText(const std::string& text) const { ::SetWindowTextA(m_hWnd, text.c_str()); }
    std::string GetWindowText() const;
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs) const { return ::SetTimer(m_hWnd, id, elapseMs, nullptr); }
    BOOL KillTimer(UINT_PTR id) const { return ::KillTimer(m_hWnd, id); }
    void CenterWindow() const;

protected:
    // Default: the control's own procedure for a subclassed window, else DefWindowProc.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void PreSubclassWindow() {}
    // Called after the window is gone; windows that own themselves delete their object here.
    virtual void PostNcDestroy() {}

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    WNDPROC m_oldWndProc = nullptr;
};
