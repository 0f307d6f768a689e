// Thin wrapper of a report-style list view control.
#pragma once
#include "framework/wnd.h"
#include <commctrl.h>

class CListCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int InsertColumn(int column, const std::string& heading, int width) const;
    BOOL SetColumnWidth(int column, int width) const {
        return static_cast<BOOL>(SendMessage(LVM_SETCOLUMNWIDTH, column, MAKELPARAM(width, 0)));
    }
    int InsertItem(int item, const std::string& text, int image) const;
    BOOL SetItemText(int item, int subItem, const std::string& text) const;
    std::string GetItemText(int item, int subItem) const;
    BOOL SetItemImage(int item, int image) const;
    int GetItemImage(int item) const;
    BOOL SetItemState(int item, UINT state, UINT mask) const;
    UINT GetItemState(int item, UINT mask) const {
        return static_cast<UINT>(SendMessage(LVM_GETITEMSTATE, item, mask));
    }
    // Case-insensitive search of column-0 texts, as the control itself compares them.
    int FindItem(const std::string& text) const;
    HIMAGELIST SetImageList(HIMAGELIST list, int which) const {
        return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(list)));
    }
    DWORD SetExtendedStyle(DWORD style) const {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
    }
};
