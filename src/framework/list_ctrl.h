// Thin wrapper of a report-style list view control.
#pragma once
#include "framework/wnd.h"
#include <commctrl.h>

class CListCtrl : public CWnd {
public:
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(LVM_DELETEALLITEMS)); }
    int InsertColumn(int column, const std::string& heading, int width) const;
    int InsertItem(int item, const std::string& text, int image) const;
    BOOL SetItemText(int item, int subItem, const std::string& text) const;
    std::string GetItemText(int item, int subItem) const;
    BOOL SetItemImage(int item, int image) const;
    int GetItemImage(int item) const;
    BOOL SetItemState(int item, UINT state, UINT mask) const;
    HIMAGELIST SetImageList(HIMAGELIST list, int which) const {
        return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, which, reinterpret_cast<LPARAM>(list)));
    }
};
