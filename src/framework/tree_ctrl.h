// Thin wrapper of a tree view control; check boxes can be switched on and off at run time.
#pragma once
#include "framework/wnd.h"
#include <commctrl.h>

class CTreeCtrl : public CWnd {
public:
    HTREEITEM InsertItem(const std::string& text, int image, HTREEITEM parent = TVI_ROOT,
                         HTREEITEM after = TVI_LAST) const;
    BOOL DeleteAllItems() const { return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, 0)); }
    UINT GetCount() const { return static_cast<UINT>(SendMessage(TVM_GETCOUNT)); }
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const {
        return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    HTREEITEM GetSelectedItem() const { return GetNextItem(nullptr, TVGN_CARET); }
    BOOL SelectItem(HTREEITEM item) const {
        return static_cast<BOOL>(SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)));
    }
    BOOL Expand(HTREEITEM item, UINT code) const {
        return static_cast<BOOL>(SendMessage(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item)));
    }
    std::string GetItemText(HTREEITEM item) const;
    BOOL SetItemImage(HTREEITEM item, int image, int selectedImage) const;
    bool GetCheck(HTREEITEM item) const;
    BOOL SetCheck(HTREEITEM item, bool checked) const;
    HTREEITEM HitTest(POINT point, UINT* flags) const;
    // Adds or removes TVS_CHECKBOXES.
    void SetCheckBoxes(bool on) const;
    bool HasCheckBoxes() const { return (::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & TVS_CHECKBOXES) != 0; }
};
