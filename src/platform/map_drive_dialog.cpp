#include "platform/map_drive_dialog.h"
#include "framework/dialog.h"
#include "platform/free_drive_letter.h"
#include "platform/wnet_table.h"
#include "res/resource_shares.h"
#include <string>
#include <utility>

namespace {
class CMapDriveDialog : public CDialog {
public:
    explicit CMapDriveDialog(std::string remoteName)
        : CDialog(IDD_MAP_NETWORK_DRIVE), m_remoteName(std::move(remoteName)) {}
    char m_letter = 0;

protected:
    BOOL OnInitDialog() override {
        ::SetDlgItemTextA(m_hWnd, IDC_MAP_FOLDER_PATH, m_remoteName.c_str());
        const HWND combo = GetDlgItem(IDC_MAP_DRIVE_LETTER);
        const DWORD mask = WNet().GetLogicalDrives();
        for (char letter = 'Z'; letter >= 'D'; --letter) {
            if (!IsDriveLetterFree(letter, mask)) continue;
            const char text[] = {letter, ':', '\0'};
            ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        }
        ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
        return TRUE;
    }
    void OnOK() override {
        char text[8] = {};
        ::GetDlgItemTextA(m_hWnd, IDC_MAP_DRIVE_LETTER, text, sizeof text);
        m_letter = text[0];
        EndDialog(m_letter ? IDOK : IDCANCEL);
    }

private:
    std::string m_remoteName;
};
}  // namespace

DWORD WINAPI MapDriveDialog(LPCONNECTDLGSTRUCTA dialog) {
    if (!dialog || dialog->cbStructure < sizeof(CONNECTDLGSTRUCTA) || !dialog->lpConnRes ||
        !dialog->lpConnRes->lpRemoteName)
        return ERROR_INVALID_PARAMETER;
    CMapDriveDialog window(dialog->lpConnRes->lpRemoteName);
    if (window.DoModal(dialog->hwndOwner) != IDOK) return 0xFFFFFFFF;
    NETRESOURCEA resource = *dialog->lpConnRes;
    const char device[] = {window.m_letter, ':', '\0'};
    resource.lpLocalName = const_cast<char*>(device);
    const DWORD result = WNet().WNetAddConnection2A(&resource, nullptr, nullptr, CONNECT_UPDATE_PROFILE);
    if (result != NO_ERROR) return result;
    dialog->dwDevNum = static_cast<DWORD>(window.m_letter - 'A' + 1);
    return NO_ERROR;
}
