#include "shares/share_tree_ctrl.h"
#include "framework/dpi.h"
#include "widgets/device_images.h"
#include "framework/app.h"
#include "framework/resource_strings.h"
#include "res/command_ids.h"
#include "res/message_ids.h"
#include "res/resource.h"
#include "shares/check_rules.h"
#include <windowsx.h>

namespace {
constexpr int kImageNotFound = 8;
constexpr int kImageNoShares = 9;
constexpr int kImageCount = 10;

ShareItemData* DataOf(const CTreeCtrl& tree, HTREEITEM item) {
    TVITEMA tvi = {};
    tvi.mask = TVIF_PARAM;
    tvi.hItem = item;
    if (!item || !tree.SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi))) return nullptr;
    return reinterpret_cast<ShareItemData*>(tvi.lParam);
}
}  // namespace

void CShareTreeCtrl::PreSubclassWindow() { LoadImagesForDpi(); }

void CShareTreeCtrl::LoadImagesForDpi() {
    fw::unique_himagelist images(LoadDeviceImages(fw::WindowDpi(m_hWnd)));
    if (!images || ImageList_GetImageCount(images.get()) != kImageCount) return;
    SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images.get()));
    // A tree never frees its image list: this control does, when it replaces it or goes.
    m_imageList = std::move(images);
}

bool CShareTreeCtrl::BrowseServer(ShareListing listing) {
    m_pendingListing.reset();
    m_leafDisplayType = RESOURCEDISPLAYTYPE_GENERIC;
    if (!listing.deviceKnown) {
        InsertItem(LoadResString(IDS_NOT_FOUND), kImageNotFound);
        return false;
    }
    m_pendingListing = std::make_unique<ShareListing>(std::move(listing));
    RefreshItem(TVI_ROOT);
    return true;
}

bool CShareTreeCtrl::ShowListing(ShareListing listing) {
    DeleteAllItems();
    if (!BrowseServer(std::move(listing))) return false;
    const HTREEITEM server = GetRootItem();
    Expand(server, TVE_EXPAND);
    const bool noShares = m_bNoShareResources || GetCount() <= 1;
    if (noShares) SetItemImage(server, kImageNoShares, kImageNoShares);
    SelectItem(server);
    return noShares;
}

void CShareTreeCtrl::RefreshServer(ShareListing listing) {
    const HTREEITEM server = GetRootItem();
    if (!server) return;
    m_pendingListing = std::make_unique<ShareListing>(std::move(listing));
    RefreshItem(server);
    m_pendingListing.reset();
}

bool CShareTreeCtrl::PopulateChildren(HTREEITEM item) {
    if (!m_pendingListing) return true;
    if (item == TVI_ROOT) {
        m_bNoShareResources = !m_pendingListing->listed;
        InsertResourceItem(TVI_ROOT, m_pendingListing->server.Resource());
        if (!m_pendingListing->listed) m_pendingListing.reset();
        return true;
    }
    // The folders of the server item; the listing is used once, so a second expansion shows what is there.
    std::unique_ptr<ShareListing> listing = std::move(m_pendingListing);
    m_bNoShareResources = !listing->listed;
    for (ShareFolder& folder : listing->folders) {
        const HTREEITEM child = InsertData(item, std::make_unique<ShareItemData>(folder.data), folder.text,
                                           folder.image, folder.hasChildren);
        if (folder.checked) {
            SetCheck(child, true);
            SetCheck(item, true);
        }
    }
    SendMessage(TVM_SORTCHILDREN, FALSE, reinterpret_cast<LPARAM>(item));
    return true;
}

HTREEITEM CShareTreeCtrl::InsertResourceItem(HTREEITEM parent, const NETRESOURCEA& resource) {
    auto data = std::make_unique<ShareItemData>(resource);
    const std::string text = data->comment.empty() ? data->GetDisplayName() : data->comment;
    const bool hasChildren =
        resource.dwDisplayType != m_leafDisplayType && (resource.dwUsage & RESOURCEUSAGE_CONTAINER);
    return InsertData(parent, std::move(data), text, ImageForResource(resource.dwDisplayType, resource.dwType),
                      hasChildren);
}

HTREEITEM CShareTreeCtrl::InsertData(HTREEITEM parent, std::unique_ptr<ShareItemData> data, const std::string& text,
                                     int image, bool hasChildren) {
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | TVIF_CHILDREN;
    insert.item.pszText = const_cast<char*>(text.c_str());
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    insert.item.cChildren = hasChildren ? 1 : 0;
    insert.item.lParam = reinterpret_cast<LPARAM>(data.get());
    const auto item = reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (item) data.release();  // the item owns it now; TVN_DELETEITEM frees it
    return item;
}

std::optional<ShareItemData> CShareTreeCtrl::GetItemData(HTREEITEM item) const {
    const ShareItemData* data = DataOf(*this, item);
    if (!data) return std::nullopt;
    return *data;
}

void CShareTreeCtrl::ApplyCheckClick(HTREEITEM item) const {
    const HTREEITEM server = GetRootItem();
    if (!server || !item) return;
    ShareChecks checks;
    checks.server = GetCheck(server);
    std::vector<HTREEITEM> folders;
    int clicked = -1;
    for (HTREEITEM child = GetChildItem(server); child; child = GetNextSiblingItem(child)) {
        if (child == item) clicked = static_cast<int>(folders.size());
        folders.push_back(child);
        checks.folders.push_back(GetCheck(child));
    }
    if (item != server && clicked < 0) return;
    ApplyCheckRules(checks, clicked);
    SetCheck(server, checks.server);
    for (size_t i = 0; i < folders.size(); ++i) SetCheck(folders[i], checks.folders[i]);
}

std::vector<ShareItemData> CShareTreeCtrl::TickedFolders() const {
    std::vector<ShareItemData> ticked;
    const HTREEITEM server = GetRootItem();
    if (!server || !GetCheck(server)) return ticked;
    for (HTREEITEM child = GetChildItem(server); child; child = GetNextSiblingItem(child)) {
        const ShareItemData* data = DataOf(*this, child);
        if (data && GetCheck(child)) ticked.push_back(*data);
    }
    return ticked;
}

void CShareTreeCtrl::PostToParent(UINT msg, WPARAM wParam) const {
    ::PostMessageA(::GetParent(m_hWnd), msg, wParam, 0);
}

void CShareTreeCtrl::ShowContextMenu() {
    const DWORD position = ::GetMessagePos();
    POINT point = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    ::ScreenToClient(m_hWnd, &point);
    const HTREEITEM hit = HitTest(point, nullptr);
    if (!hit) return;
    SelectItem(hit);
    m_popupMenu.reset(::CreatePopupMenu());
    const HMENU menu = m_popupMenu.get();
    const auto add = [&](UINT id, UINT text) { ::AppendMenuA(menu, MF_STRING, id, LoadResString(text).c_str()); };
    if (GetParentItem(hit)) {
        add(ID_SHARE_OPEN, IDS_MENU_OPEN);
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        const ShareItemData* data = DataOf(*this, hit);
        if (data && data->driveLetter)
            add(ID_SHARE_REMOVE_DRIVE, IDS_MENU_REMOVE_DRIVE);
        else
            add(ID_SHARE_MAP_DRIVE, IDS_MENU_MAP_DRIVE);
        if (m_bManagementOffered) {
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            add(ID_SHARE_DELETE, IDS_MENU_DELETE_SHARE);
        }
    } else {
        add(ID_DEVICE_MANAGE_SHARE, IDS_MENU_MANAGE);
        ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        add(ID_SHARE_OPEN, IDS_MENU_OPEN);
        if (m_bManagementOffered) {
            ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            add(ID_SHARE_ADD, IDS_MENU_ADD_SHARE);
        }
    }
    POINT cursor;
    ::GetCursorPos(&cursor);
    ::SetForegroundWindow(m_hWnd);
    ::TrackPopupMenu(menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, m_hWnd, nullptr);
    m_popupMenu.reset();
    PostMessage(WM_NULL);
}

LRESULT CShareTreeCtrl::OnReflectedNotify(NMHDR* header) {
    if (header->code == TVN_DELETEITEMA || header->code == TVN_DELETEITEMW) {
        delete reinterpret_cast<ShareItemData*>(reinterpret_cast<NMTREEVIEWA*>(header)->itemOld.lParam);
    } else if (header->code == NM_RCLICK) {
        ShowContextMenu();
    }
    return 0;
}

LRESULT CShareTreeCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case fw::kDpiChangedAfterParent: LoadImagesForDpi(); break;
    case WM_LBUTTONDBLCLK: {
        // Opens the selected item; the control's own expanding and collapsing is left out.
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        const HTREEITEM selected = GetSelectedItem();
        if (selected && HitTest(point, nullptr) == selected) PostToParent(UM_OPEN_SHARE, 0);
        return 0;
    }
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case ID_SHARE_OPEN: PostToParent(UM_OPEN_SHARE, 0); return 0;
        case ID_SHARE_MAP_DRIVE: PostToParent(UM_MAP_DRIVE, 1); return 0;
        case ID_SHARE_REMOVE_DRIVE: PostToParent(UM_MAP_DRIVE, 0); return 0;
        case ID_DEVICE_MANAGE_SHARE: PostToParent(UM_MANAGE_DEVICE, 0); return 0;
        case ID_SHARE_ADD: PostToParent(UM_ADD_SHARE, 0); return 0;
        case ID_SHARE_DELETE: PostToParent(UM_DELETE_SHARE, 0); return 0;
        default: break;
        }
        break;
    default:
        break;
    }
    return CLazyTreeCtrl::WindowProc(msg, wParam, lParam);
}
