// The password prompt: a share password, or the appliance's administrator user name and password.
// Modal, on the caller's stack, on the window's thread.
#pragma once
#include "common/admin_credentials.h"
#include "framework/dialog.h"
#include <string>

class CPasswordDlg : public CDialog {
public:
    explicit CPasswordDlg(CWnd* parent = nullptr);

    // Runs the prompt; IDOK when the user confirmed.
    INT_PTR DoModal();

    // Prompt texts of the two uses.
    static std::string SharePrompt(const std::string& remoteName);
    static std::string AdminPrompt(const std::string& deviceName);

    std::string m_strPrompt;
    int m_bUserNameEnabled = 0;
    // On OK, both edits as typed; a disabled user name is empty.
    AdminCredentials m_typed;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CWnd* m_pParent;
};
