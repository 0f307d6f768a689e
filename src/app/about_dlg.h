// The About box: modal, closed by OK or Escape.
#pragma once
#include "framework/dialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
};
