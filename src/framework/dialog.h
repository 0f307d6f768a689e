// Dialogs from templates, modal (stack objects) or modeless (living until destroyed).
#pragma once
#include "framework/wnd.h"

class CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId) : m_templateId(templateId) {}

    // Modeless: the window exists when this returns true.
    bool Create(UINT templateId, CWnd* parent);
    // Modal: returns the code given to EndDialog, or -1 when the template could not be used.
    INT_PTR DoModal(HWND parent = nullptr);
    void EndDialog(INT_PTR result) const { ::EndDialog(m_hWnd, result); }

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // Handlers return true when they handled the message.
    virtual bool OnCommand(WORD id, WORD code, HWND control);
    virtual bool OnNotify(NMHDR* header, LRESULT& result);
    virtual void OnTimer(UINT_PTR) {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Every other message; return true with result set to handle it.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

    UINT m_templateId = 0;

private:
    static INT_PTR CALLBACK StaticDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR DispatchDialogMessage(UINT msg, WPARAM wParam, LPARAM lParam);
};
