// Asks for the IP address or host name of a Harborbox that broadcasts do not reach. Modal, on the window's
// thread.
#pragma once
#include "framework/dialog.h"
#include <string>

class CAddAddressDlg : public CDialog {
public:
    explicit CAddAddressDlg(CWnd* parent);

    // IDOK when the user confirmed a text that is not blank.
    INT_PTR DoModal();

    // On OK, as typed without surrounding blanks.
    std::string m_typed;

protected:
    void OnOK() override;

private:
    CWnd* m_pParent;
};
