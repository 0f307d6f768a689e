// The share page's tree: the selected appliance as one server item with its shared folders beneath,
// filled from a listing that a worker gathered (see share_listing.h), never from the network itself.
#pragma once
#include "framework/handles.h"
#include "shares/share_item_data.h"
#include "shares/share_listing.h"
#include "widgets/lazy_tree_ctrl.h"
#include <memory>
#include <optional>

class CShareTreeCtrl : public CLazyTreeCtrl {
public:
    // Fills the whole tree from `listing`: the server item, then (when expanded) its folders. With no
    // appliance known, the one item "Harborbox not found." Returns false then.
    bool BrowseServer(ShareListing listing);
    // The window's part of loading the share page: the tree emptied and filled from `listing`, the server
    // item expanded (which shows its folders) and selected. True when the appliance offers no shared
    // folders; its item then shows the no-shared-folders picture.
    bool ShowListing(ShareListing listing);
    // Fills the server item again from a fresh listing, so drive suffixes are current.
    void RefreshServer(ShareListing listing);
    // The last fill could not enumerate the server's folders.
    bool NoShareResources() const { return m_bNoShareResources; }

    // The item's resource as a value (workers take it); none for an item without one.
    std::optional<ShareItemData> GetItemData(HTREEITEM item) const;
    HTREEITEM InsertResourceItem(HTREEITEM parent, const NETRESOURCEA& resource);

    // The host's rules for a click on the box of `item` (already toggled).
    void ApplyCheckClick(HTREEITEM item) const;
    // The checked folders under a checked server item; empty when the server item is not checked.
    std::vector<ShareItemData> TickedFolders() const;

    // Menus offer adding and deleting shared folders only in English.
    void SetManagementOffered(bool offered) { m_bManagementOffered = offered; }

protected:
    void PreSubclassWindow() override;
    bool PopulateChildren(HTREEITEM item) override;
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnReflectedNotify(NMHDR* header) override;

private:
    // The device strip drawn for the tree's DPI, replacing the one it had.
    void LoadImagesForDpi();
    HTREEITEM InsertData(HTREEITEM parent, std::unique_ptr<ShareItemData> data, const std::string& text, int image,
                         bool hasChildren);
    void ShowContextMenu();
    void PostToParent(UINT msg, WPARAM wParam) const;

    std::unique_ptr<ShareListing> m_pendingListing;
    fw::unique_himagelist m_imageList;
    DWORD m_leafDisplayType = RESOURCEDISPLAYTYPE_GENERIC;
    fw::unique_hmenu m_popupMenu;
    bool m_bNoShareResources = false;
    bool m_bManagementOffered = true;
};
