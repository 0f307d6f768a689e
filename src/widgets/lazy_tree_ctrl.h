// A tree control that fills an item's children only when the item is expanded, showing a "Connecting..."
// placeholder child with an icon, painted before the (possibly slow) filling starts.
#pragma once
#include "framework/handles.h"
#include "framework/tree_ctrl.h"
#include <string>

class CLazyTreeCtrl : public CTreeCtrl {
public:
    CLazyTreeCtrl();

    // Fills the item again (the whole tree for TVI_ROOT); nothing for an item whose child-count flag is 0.
    void RefreshItem(HTREEITEM item);
    // Deletes every child of the item, first child first.
    void DeleteChildItems(HTREEITEM item);
    // Shows the placeholder, with its icon, as the only child of the item while its children are gathered
    // elsewhere (on a worker); the next fill of the item replaces it.
    void ShowPlaceholder(HTREEITEM item);
    // Takes away a placeholder whose fill will not come.
    void RemovePlaceholder();

protected:
    // Asked when an item that already has children is expanded; true: delete them and fill again.
    virtual bool ShouldRefreshOnExpand(HTREEITEM) { return false; }
    // Inserts the children of the item (TVI_ROOT too); true: set the item's child-count flag from what was
    // inserted.
    virtual bool PopulateChildren(HTREEITEM) { return false; }

    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    // The control's reflected notifications other than expanding; result 0 when not handled.
    virtual LRESULT OnReflectedNotify(NMHDR* header) { (void)header; return 0; }

private:
    void OnItemExpanding(HTREEITEM item);
    void OnItemExpanded(HTREEITEM item);
    void PaintPlaceholderIcon();
    void SetRedraw(bool on) { SendMessage(WM_SETREDRAW, on ? TRUE : FALSE); }

    std::string m_placeholderText = "Connecting";
    fw::unique_hicon m_placeholderIcon;
    int m_placeholderSide = 0;  // of the icon loaded, to load it again when the pictures change size
    HTREEITEM m_placeholderItem = nullptr;
    HTREEITEM m_pendingItem = nullptr;
};
