#include "webmgmt/admin_credentials.h"
#include "app/password_dlg.h"
#include "discovery/device_registry.h"

bool PromptAdminCredentials(CredentialCache& credentials, const std::string& deviceName) {
    CPasswordDlg prompt(credentials);
    prompt.m_strPrompt = CPasswordDlg::AdminPrompt(deviceName);
    prompt.m_bUserNameEnabled = 1;
    return prompt.DoModal() == IDOK;
}
