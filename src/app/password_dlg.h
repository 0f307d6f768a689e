// The password prompt: a share password, or the appliance's administrator user name and password.
// Modal, on the caller's stack; may run on a worker thread.
#pragma once
#include "discovery/device_registry.h"
#include "framework/dialog.h"
#include <string>

class CPasswordDlg : public CDialog {
public:
    // On OK the two edits are written to `credentials` (the wizard window's cache).
    explicit CPasswordDlg(CredentialCache& credentials, CWnd* parent = nullptr);

    // Runs the prompt; IDOK when the user confirmed.
    INT_PTR DoModal();

    // Prompt texts of the two uses.
    static std::string SharePrompt(const std::string& remoteName);
    static std::string AdminPrompt(const std::string& deviceName);

    std::string m_strPrompt;
    int m_bUserNameEnabled = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    CredentialCache& m_credentials;
    CWnd* m_pParent;
};
