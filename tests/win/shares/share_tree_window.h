// A top-level window holding the real share tree, reflecting notifications as the wizard window does, and
// keeping the messages the tree posts to it.
#pragma once
#include "framework/wnd.h"
#include "shares/share_tree_ctrl.h"
#include <vector>

class ShareTreeWindow : public CWnd {
public:
    explicit ShareTreeWindow(bool checkBoxes);
    ~ShareTreeWindow() override;

    CShareTreeCtrl m_tree;
    std::vector<UINT> m_posted;  // UM_* messages from the tree, in order

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
