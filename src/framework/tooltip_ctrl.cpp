#include "framework/tooltip_ctrl.h"
#include "framework/app.h"

namespace {
TTTOOLINFOA ToolInfo(HWND window, UINT_PTR toolId, const char* text) {
    TTTOOLINFOA info = {};
    // The size common controls 5 know, so the same call works with either version of the library.
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.hwnd = window;
    info.uId = toolId;
    info.hinst = AfxGetInstanceHandle();
    info.lpszText = const_cast<char*>(text);
    return info;
}
}  // namespace

CToolTipCtrl::~CToolTipCtrl() {
    if (m_hWnd && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

bool CToolTipCtrl::Create(HWND owner, DWORD style) {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    m_hWnd = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | style, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, AfxGetInstanceHandle(), nullptr);
    return m_hWnd != nullptr;
}

bool CToolTipCtrl::AddTool(HWND window, const std::string& text, const RECT& area, UINT_PTR toolId) const {
    TTTOOLINFOA info = ToolInfo(window, toolId, text.c_str());
    info.rect = area;
    return SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

void CToolTipCtrl::UpdateTipText(const std::string& text, HWND window, UINT_PTR toolId) const {
    TTTOOLINFOA info = ToolInfo(window, toolId, text.c_str());
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

