#include "webmgmt/add_share_dlg.h"
#include "framework/resource_strings.h"
#include "framework/wait_cursor.h"
#include "res/resource.h"
#include "shares/mapped_drives.h"
#include "webmgmt/new_share_rules.h"
#include "webmgmt/reply_list.h"

CAddShareDlg::CAddShareDlg(std::string volumeList, std::vector<char> freeLetters)
    : CDialog(IDD_ADD_SHARE), m_volumeList(std::move(volumeList)), m_freeLetters(std::move(freeLetters)) {}

BOOL CAddShareDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CWaitCursor wait;
    ::CheckRadioButton(m_hWnd, IDC_SHARE_PUBLIC, IDC_SHARE_PRIVATE, IDC_SHARE_PUBLIC);
    const HWND volumes = GetDlgItem(IDC_SHARE_VOLUME);
    ::SendMessageA(volumes, CB_RESETCONTENT, 0, 0);
    std::string list = m_volumeList;
    for (std::string volume = SplitFirstItem(list); !volume.empty(); volume = SplitFirstItem(list))
        ::SendMessageA(volumes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(volume.c_str()));
    ::SendMessageA(volumes, CB_SETCURSEL, 0, 0);
    FillDriveLetterCombo(GetDlgItem(IDC_SHARE_DRIVE), m_freeLetters);
    return TRUE;
}

bool CAddShareDlg::OnCommand(WORD id, WORD code, HWND control) {
    if (code == BN_CLICKED && (id == IDC_SHARE_PUBLIC || id == IDC_SHARE_PRIVATE)) {
        EnablePasswords(id == IDC_SHARE_PRIVATE);
        return true;
    }
    return CDialog::OnCommand(id, code, control);
}

void CAddShareDlg::EnablePasswords(bool enable) const {
    ::EnableWindow(GetDlgItem(IDC_SHARE_PASSWORD), enable);
    ::EnableWindow(GetDlgItem(IDC_SHARE_CONFIRM), enable);
}

std::string CAddShareDlg::ItemText(int id) const {
    CWnd item;
    item.Attach(GetDlgItem(id));
    std::string text = item.GetWindowText();
    return text;
}

std::string CAddShareDlg::SelectedText(int comboId) const {
    const HWND combo = GetDlgItem(comboId);
    const LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return std::string();
    const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    text.resize(text.find('\0'));
    return text;
}

bool CAddShareDlg::Refuse(const std::string& text) const {
    ::MessageBoxA(m_hWnd, text.c_str(), LoadResString(IDS_APP_TITLE).c_str(), MB_OK);
    return false;
}

void CAddShareDlg::OnOK() {
    m_strNewShareName = ItemText(IDC_NEW_SHARE_NAME);
    m_strNewSharePassword = ItemText(IDC_SHARE_CONFIRM);
    m_strNewShareDrive = SelectedText(IDC_SHARE_DRIVE);
    m_strNewSharePool = SelectedText(IDC_SHARE_VOLUME);
    const std::string password = ItemText(IDC_SHARE_PASSWORD);
    const bool isPrivate = ::IsDlgButtonChecked(m_hWnd, IDC_SHARE_PRIVATE) == BST_CHECKED;
    // The disabled fields of a public share may still hold what was typed before switching back.
    if (!isPrivate) m_strNewSharePassword.clear();
    switch (CheckNewShare(m_strNewShareName, isPrivate, password, m_strNewSharePassword)) {
    case NewShareProblem::EmptyName: Refuse(LoadResString(IDS_ENTER_SHARE_NAME)); return;
    case NewShareProblem::ForbiddenCharacter: Refuse(LoadResString(IDS_SHARE_NAME_CHARACTERS)); return;
    case NewShareProblem::ReservedName: Refuse(FormatResString(IDS_SHARE_NAME_RESERVED, m_strNewShareName)); return;
    case NewShareProblem::BlankPassword: Refuse(LoadResString(IDS_PASSWORD_BLANK)); return;
    case NewShareProblem::PasswordMismatch: Refuse(LoadResString(IDS_PASSWORDS_DIFFER)); return;
    case NewShareProblem::None: break;
    }
    CDialog::OnOK();
}
