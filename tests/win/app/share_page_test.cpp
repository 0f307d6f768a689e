// Open on the wizard window's share page: the server or the folder chosen in the tree, by its network name.
#include "shares/share_tree_messages.h"
#include "wizard_fixture.h"
#include <algorithm>

namespace {
HTREEITEM FindChild(const CShareTreeCtrl& tree, HTREEITEM parent, const std::string& text) {
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item))
        if (tree.GetItemText(item) == text) return item;
    return nullptr;
}

bool Opened(const std::string& target, size_t logSizeBefore) {
    return testbed::PumpUntil(
        [&] { return testbed::RecorderLog().find(target, logSizeBefore) != std::string::npos; }, 5000);
}
}  // namespace

class SharePage : public WizardFixture {};

TEST_F(SharePage, OpenTakesTheChosenItemsNetworkNameAndAsksForAChoiceWithoutOne) {
    AddDevice("QX-Harborbox", "10.77.0.2");
    m_window->FillDeviceList();
    EnterSharePageAndLoad();
    CShareTreeCtrl& tree = m_window->ShareTree();
    const HTREEITEM server = tree.GetRootItem();
    ASSERT_NE(server, nullptr);
    const HTREEITEM media = FindChild(tree, server, "Shared Media");
    ASSERT_NE(media, nullptr);

    size_t before = testbed::RecorderLog().size();
    tree.SelectItem(media);
    ::SendMessageA(m_hwnd, UM_OPEN_SHARE, 0, 0);
    EXPECT_TRUE(Opened("\\\\QX-Harborbox\\Shared Media", before));

    before = testbed::RecorderLog().size();
    tree.SelectItem(server);
    ::SendMessageA(m_hwnd, UM_OPEN_SHARE, 0, 0);
    EXPECT_TRUE(Opened("\\\\QX-Harborbox", before));

    tree.SelectItem(nullptr);
    ::SendMessageA(m_hwnd, UM_OPEN_SHARE, 0, 0);
    testbed::PumpFor(300);
    const std::vector<std::string> texts = m_boxes->Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Highlight and select a shared folder first."), texts.end());
}
