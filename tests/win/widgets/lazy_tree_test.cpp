// The lazily filled tree: an item is filled when first expanded, and again only when refreshed.
#include "widgets/lazy_tree_ctrl.h"
#include "widgets/tree_test_window.h"
#include "window_driver.h"
#include <gtest/gtest.h>
#include <cstring>
#include <map>

namespace {
class CountingTree : public CLazyTreeCtrl {
public:
    std::map<HTREEITEM, int> fills;
    bool insertChildren = true;
    bool result = true;

    HTREEITEM AddExpandable(const std::string& text, HTREEITEM parent = TVI_ROOT) {
        TVINSERTSTRUCTA insert = {};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT | TVIF_CHILDREN;
        insert.item.pszText = const_cast<char*>(text.c_str());
        insert.item.cChildren = 1;
        return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    std::vector<std::string> Children(HTREEITEM item) const {
        std::vector<std::string> texts;
        for (HTREEITEM child = GetChildItem(item); child; child = GetNextSiblingItem(child))
            texts.push_back(GetItemText(child));
        return texts;
    }
    bool Expanded(HTREEITEM item) const {
        return (SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    }

protected:
    bool PopulateChildren(HTREEITEM item) override {
        const int fill = ++fills[item];
        if (insertChildren && item != TVI_ROOT) InsertItem("child " + std::to_string(fill), 0, item);
        if (item == TVI_ROOT) AddExpandable("top " + std::to_string(fill));
        return result;
    }
};
}  // namespace

class LazyTree : public testing::Test {
protected:
    CountingTree m_tree;
    TreeTestWindow m_window{m_tree, false};
};

TEST_F(LazyTree, FillsOnFirstExpansionOnlyUntilRefreshed) {
    const HTREEITEM top = m_tree.AddExpandable("top");
    m_tree.Expand(top, TVE_EXPAND);
    EXPECT_EQ(m_tree.fills[top], 1);
    EXPECT_EQ(m_tree.Children(top), std::vector<std::string>{"child 1"});  // the placeholder is gone
    m_tree.Expand(top, TVE_COLLAPSE);
    m_tree.Expand(top, TVE_EXPAND);
    EXPECT_EQ(m_tree.fills[top], 1);
    EXPECT_EQ(m_tree.Children(top), std::vector<std::string>{"child 1"});

    m_tree.RefreshItem(top);
    EXPECT_EQ(m_tree.fills[top], 2);
    EXPECT_EQ(m_tree.Children(top), std::vector<std::string>{"child 2"});

    // An item that says it has no children is left alone; the root refills the whole tree.
    const HTREEITEM leaf = m_tree.InsertItem("leaf", 0);
    m_tree.RefreshItem(leaf);
    EXPECT_EQ(m_tree.fills.count(leaf), 0u);
    m_tree.RefreshItem(TVI_ROOT);
    EXPECT_EQ(m_tree.fills[TVI_ROOT], 1);
    EXPECT_EQ(m_tree.Children(TVI_ROOT), std::vector<std::string>{"top 1"});
}

TEST_F(LazyTree, AnItemThatGetsNoChildrenStaysFolded) {
    m_tree.insertChildren = false;
    m_tree.result = false;
    const HTREEITEM empty = m_tree.AddExpandable("empty");
    m_tree.Expand(empty, TVE_EXPAND);
    EXPECT_EQ(m_tree.fills[empty], 1);
    EXPECT_TRUE(m_tree.Children(empty).empty());
    EXPECT_FALSE(m_tree.Expanded(empty));

    // With a true result the child-count flag follows what was inserted: no expand button is left.
    m_tree.result = true;
    const HTREEITEM other = m_tree.AddExpandable("other");
    m_tree.Expand(other, TVE_EXPAND);
    TVITEMA tvi = {};
    tvi.mask = TVIF_CHILDREN;
    tvi.hItem = other;
    m_tree.SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&tvi));
    EXPECT_EQ(tvi.cChildren, 0);
}

TEST_F(LazyTree, PlaceholderWithItsIconWaitsForAFillFromElsewhere) {
    // The icon is painted only for a tree with pictures of its own.
    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24, 1, 0);
    m_tree.SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    m_tree.ShowPlaceholder(TVI_ROOT);
    EXPECT_EQ(m_tree.Children(TVI_ROOT), std::vector<std::string>{"Connecting..."});
    ::InvalidateRect(m_tree.m_hWnd, nullptr, TRUE);
    ::UpdateWindow(m_tree.m_hWnd);  // a repaint keeps the icon
    RECT text = {};
    const HTREEITEM placeholder = m_tree.GetChildItem(TVI_ROOT);
    std::memcpy(&text, &placeholder, sizeof placeholder);
    ASSERT_TRUE(m_tree.SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text)));
    const HDC dc = ::GetDC(m_tree.m_hWnd);
    const COLORREF background = ::GetPixel(dc, text.right + 5, text.top + 2);
    int painted = 0;
    for (int x = text.left - 19; x < text.left - 3; ++x)
        for (int y = text.top; y < text.bottom; ++y) painted += ::GetPixel(dc, x, y) != background;
    ::ReleaseDC(m_tree.m_hWnd, dc);
    EXPECT_GT(painted, 20);

    m_tree.RefreshItem(TVI_ROOT);
    EXPECT_EQ(m_tree.Children(TVI_ROOT), std::vector<std::string>{"top 1"});
    m_tree.ShowPlaceholder(m_tree.GetRootItem());
    m_tree.RemovePlaceholder();  // the fill will not come
    EXPECT_TRUE(m_tree.Children(m_tree.GetRootItem()).empty());
    m_tree.SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
    ImageList_Destroy(images);
}
