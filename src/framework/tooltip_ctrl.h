// Thin wrapper of a tooltip control whose tools are rectangles of one window.
#pragma once
#include "framework/wnd.h"
#include <commctrl.h>

class CToolTipCtrl : public CWnd {
public:
    ~CToolTipCtrl() override;

    bool Create(HWND owner, DWORD style);
    void Activate(bool activate) const { SendMessage(TTM_ACTIVATE, activate ? TRUE : FALSE); }
    int SetMaxTipWidth(int width) const { return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width)); }
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    bool AddTool(HWND window, const std::string& text, const RECT& area, UINT_PTR toolId) const;
    void UpdateTipText(const std::string& text, HWND window, UINT_PTR toolId) const;
    // Mouse messages of the tool's window, so the tip knows when to show.
    void RelayEvent(MSG* msg) const { SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg)); }
};
