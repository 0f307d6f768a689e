#include "app/add_address_dlg.h"
#include "res/resource.h"

CAddAddressDlg::CAddAddressDlg(CWnd* parent) : CDialog(IDD_ADD_ADDRESS), m_pParent(parent) {}

INT_PTR CAddAddressDlg::DoModal() { return CDialog::DoModal(m_pParent ? m_pParent->m_hWnd : nullptr); }

void CAddAddressDlg::OnOK() {
    CWnd edit;
    edit.Attach(GetDlgItem(IDC_ADDRESS_EDIT));
    const std::string text = edit.GetWindowText();
    const size_t first = text.find_first_not_of(" \t");
    // A blank field asks nothing: the dialog stays for the user to type.
    if (first == std::string::npos) return;
    m_typed = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    CDialog::OnOK();
}
