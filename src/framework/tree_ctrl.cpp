#include "framework/tree_ctrl.h"

HTREEITEM CTreeCtrl::InsertItem(const std::string& text, int image, HTREEITEM parent, HTREEITEM after) const {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::string CTreeCtrl::GetItemText(HTREEITEM item) const {
    std::string text(260, '\0');
    TVITEMA tvi = {};
    tvi.mask = TVIF_TEXT;
    tvi.hItem = item;
    tvi.pszText = text.data();
    tvi.cchTextMax = static_cast<int>(text.size());
    if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi))) return std::string();
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM item, int image, int selectedImage) const {
    TVITEMA tvi = {};
    tvi.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tvi.hItem = item;
    tvi.iImage = image;
    tvi.iSelectedImage = selectedImage;
    return static_cast<BOOL>(SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tvi)));
}

bool CTreeCtrl::GetCheck(HTREEITEM item) const {
    const UINT state = static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK));
    return (state >> 12) == 2;
}

BOOL CTreeCtrl::SetCheck(HTREEITEM item, bool checked) const {
    TVITEMA tvi = {};
    tvi.mask = TVIF_STATE;
    tvi.hItem = item;
    tvi.stateMask = TVIS_STATEIMAGEMASK;
    tvi.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    return static_cast<BOOL>(SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tvi)));
}

HTREEITEM CTreeCtrl::HitTest(POINT point, UINT* flags) const {
    TVHITTESTINFO info = {};
    info.pt = point;
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&info)));
    if (flags) *flags = info.flags;
    return item;
}

void CTreeCtrl::SetCheckBoxes(bool on) const {
    LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    style = on ? (style | TVS_CHECKBOXES) : (style & ~static_cast<LONG_PTR>(TVS_CHECKBOXES));
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, style);
}
