#include "widgets/lazy_tree_ctrl.h"
#include "framework/app.h"
#include "framework/message_reflection.h"
#include "framework/resource_strings.h"
#include "res/resource.h"
#include <cstring>

CLazyTreeCtrl::CLazyTreeCtrl() = default;

void CLazyTreeCtrl::DeleteChildItems(HTREEITEM item) {
    for (HTREEITEM child = GetChildItem(item); child; child = GetChildItem(item))
        SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
}

void CLazyTreeCtrl::ShowPlaceholder(HTREEITEM item) {
    DeleteChildItems(item);
    OnItemExpanding(item);
    SetRedraw(true);
    SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(m_placeholderItem));
    ::UpdateWindow(m_hWnd);
}

void CLazyTreeCtrl::RemovePlaceholder() {
    if (m_placeholderItem) SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(m_placeholderItem));
    m_pendingItem = nullptr;
}

void CLazyTreeCtrl::RefreshItem(HTREEITEM item) {
    if (item != TVI_ROOT) {
        TVITEMA tvi = {};
        tvi.mask = TVIF_CHILDREN;
        tvi.hItem = item;
        if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi)) || tvi.cChildren == 0) return;
    }
    SetRedraw(false);
    DeleteChildItems(item);
    OnItemExpanding(item);
    OnItemExpanded(item);
    SetRedraw(true);
}

void CLazyTreeCtrl::OnItemExpanding(HTREEITEM item) {
    if (GetChildItem(item)) {
        if (!ShouldRefreshOnExpand(item)) {
            m_pendingItem = nullptr;
            return;
        }
        DeleteChildItems(item);
    }
    m_pendingItem = item;
    ::UpdateWindow(m_hWnd);
    SetRedraw(false);
    m_placeholderText = LoadResString(IDS_CONNECTING);
    TVINSERTSTRUCTA insert = {};
    insert.hParent = item;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = m_placeholderText.data();
    m_placeholderItem = reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void CLazyTreeCtrl::OnItemExpanded(HTREEITEM item) {
    if (!m_pendingItem) return;
    SetRedraw(true);
    SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(m_placeholderItem));
    ::UpdateWindow(m_hWnd);
    PaintPlaceholderIcon();
    SetRedraw(false);
    SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(m_placeholderItem));
    m_placeholderItem = nullptr;
    const bool setChildCount = PopulateChildren(item);
    if (item != TVI_ROOT) {
        const bool has = GetChildItem(item) != nullptr;
        TVITEMA tvi = {};
        tvi.hItem = item;
        if (setChildCount) {
            tvi.mask = TVIF_CHILDREN;
            tvi.cChildren = has ? 1 : 0;
            SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
        } else if (!has) {
            tvi.mask = TVIF_STATE;
            tvi.stateMask = TVIS_EXPANDED;
            tvi.state = 0;
            SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
        }
    }
    SetRedraw(true);
}

void CLazyTreeCtrl::PaintPlaceholderIcon() {
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL));
    if (!images) return;
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    RECT text = {};
    std::memcpy(&text, &m_placeholderItem, sizeof m_placeholderItem);
    if (!SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text))) return;
    // The size of the tree's own pictures, which follow the DPI; the icon is loaded at that size, not stretched.
    int cx = 0, cy = 0;
    ::ImageList_GetIconSize(images, &cx, &cy);
    if (m_placeholderSide != cx) {
        m_placeholderIcon.reset(static_cast<HICON>(::LoadImageA(
            AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDI_TRAY_SEARCHING), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR)));
        m_placeholderSide = cx;
    }
    const int left = text.left - (cx + 3);
    const int top = text.top + ((text.bottom - text.top) - cy) / 2;
    const COLORREF background = static_cast<COLORREF>(SendMessage(TVM_GETBKCOLOR)) & 0xFFFFFF;
    const fw::unique_gdi<HBRUSH> brush(::CreateSolidBrush(background));
    const fw::window_dc dc(m_hWnd);
    if (m_placeholderIcon) {
        ::DrawIconEx(dc.get(), left, top, m_placeholderIcon.get(), cx, cy, 0, brush.get(), DI_NORMAL);
    } else {
        const RECT icon = {left, top, left + cx, top + cy};
        ::FillRect(dc.get(), &icon, brush.get());
    }
}

LRESULT CLazyTreeCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_PAINT) {
        // A placeholder that waits for a worker keeps its icon through every repaint.
        const LRESULT result = CTreeCtrl::WindowProc(msg, wParam, lParam);
        if (m_placeholderItem) PaintPlaceholderIcon();
        return result;
    }
    if (msg != kReflectedMessageBase + WM_NOTIFY) return CTreeCtrl::WindowProc(msg, wParam, lParam);
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code) {
    case TVN_DELETEITEMA:
    case TVN_DELETEITEMW:
        if (reinterpret_cast<NMTREEVIEWA*>(lParam)->itemOld.hItem == m_placeholderItem) m_placeholderItem = nullptr;
        return OnReflectedNotify(header);
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDINGW:
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW: {
        // The A and W records share their layout up to the item handle.
        const auto* view = reinterpret_cast<NMTREEVIEWA*>(lParam);
        if (!(view->action & TVE_EXPAND)) return 0;
        if (header->code == TVN_ITEMEXPANDINGA || header->code == TVN_ITEMEXPANDINGW)
            OnItemExpanding(view->itemNew.hItem);
        else
            OnItemExpanded(view->itemNew.hItem);
        return 0;
    }
    default:
        return OnReflectedNotify(header);
    }
}
