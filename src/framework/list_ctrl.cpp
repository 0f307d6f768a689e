#include "framework/list_ctrl.h"

int CListCtrl::InsertColumn(int column, const std::string& heading, int width) const {
    LVCOLUMNA col = {};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.pszText = const_cast<char*>(heading.c_str());
    col.cx = width;
    col.iSubItem = column;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&col)));
}

int CListCtrl::InsertItem(int item, const std::string& text, int image) const {
    LVITEMA lvi = {};
    lvi.mask = LVIF_TEXT | LVIF_IMAGE;
    lvi.iItem = item;
    lvi.pszText = const_cast<char*>(text.c_str());
    lvi.iImage = image;
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lvi)));
}

BOOL CListCtrl::SetItemText(int item, int subItem, const std::string& text) const {
    LVITEMA lvi = {};
    lvi.iSubItem = subItem;
    lvi.pszText = const_cast<char*>(text.c_str());
    return static_cast<BOOL>(SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lvi)));
}

std::string CListCtrl::GetItemText(int item, int subItem) const {
    std::string text(260, '\0');
    LVITEMA lvi = {};
    lvi.iSubItem = subItem;
    lvi.pszText = text.data();
    lvi.cchTextMax = static_cast<int>(text.size());
    LRESULT length = SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lvi));
    text.resize(static_cast<size_t>(length > 0 ? length : 0));
    return text;
}

BOOL CListCtrl::SetItemImage(int item, int image) const {
    LVITEMA lvi = {};
    lvi.mask = LVIF_IMAGE;
    lvi.iItem = item;
    lvi.iImage = image;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lvi)));
}

int CListCtrl::GetItemImage(int item) const {
    LVITEMA lvi = {};
    lvi.mask = LVIF_IMAGE;
    lvi.iItem = item;
    if (!SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lvi))) return -1;
    return lvi.iImage;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) const {
    LVITEMA lvi = {};
    lvi.state = state;
    lvi.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&lvi)));
}

