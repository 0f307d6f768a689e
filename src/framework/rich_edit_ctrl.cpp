#include "framework/rich_edit_ctrl.h"
#include "framework/app.h"

namespace {
// The library stays loaded for the life of the process: its window class must outlive every control.
bool LoadRichEditLibrary() {
    static const HMODULE library = ::LoadLibraryA("riched20.dll");
    return library != nullptr;
}
}  // namespace

bool CRichEditCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    if (!LoadRichEditLibrary()) return false;
    m_hWnd = ::CreateWindowExA(0, RICHEDIT_CLASSA, "", style, rect.left, rect.top, rect.right - rect.left,
                               rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                               reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), AfxGetInstanceHandle(), nullptr);
    return m_hWnd != nullptr;
}
