#include "app/password_dlg.h"
#include "framework/resource_strings.h"
#include "res/resource_aux.h"

CPasswordDlg::CPasswordDlg(CWnd* parent) : CDialog(IDD_PASSWORD), m_pParent(parent) {}

INT_PTR CPasswordDlg::DoModal() { return CDialog::DoModal(m_pParent ? m_pParent->m_hWnd : nullptr); }

std::string CPasswordDlg::SharePrompt(const std::string& remoteName) {
    return LoadResString(IDS_SHARE_PASSWORD_PROMPT) + " " + remoteName;
}

std::string CPasswordDlg::AdminPrompt(const std::string& deviceName) {
    return LoadResString(IDS_ADMIN_PASSWORD_PROMPT) + "\n\\\\" + deviceName;
}

BOOL CPasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ::EnableWindow(GetDlgItem(IDC_USER_NAME_EDIT), m_bUserNameEnabled ? TRUE : FALSE);
    ::SetDlgItemTextA(m_hWnd, IDC_PASSWORD_PROMPT, m_strPrompt.c_str());
    return TRUE;
}

void CPasswordDlg::OnOK() {
    CWnd userName;
    userName.Attach(GetDlgItem(IDC_USER_NAME_EDIT));
    CWnd password;
    password.Attach(GetDlgItem(IDC_PASSWORD_EDIT));
    // A disabled, empty user name counts too: a share password replaces any earlier login.
    m_typed = {userName.GetWindowText(), password.GetWindowText()};
    CDialog::OnOK();
}
