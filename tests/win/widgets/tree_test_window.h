// A top-level window holding a tree control of the program, reflecting notifications as the wizard window
// does, and keeping the messages the tree posts to it.
#pragma once
#include "framework/tree_ctrl.h"
#include "framework/wnd.h"
#include <vector>

class TreeTestWindow : public CWnd {
public:
    // `tree` takes over the window's tree control (id 1000).
    TreeTestWindow(CTreeCtrl& tree, bool checkBoxes);
    ~TreeTestWindow() override;

    std::vector<UINT> m_posted;  // WM_USER messages from the tree, in order

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
};
