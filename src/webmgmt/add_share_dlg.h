// "Add a Shared Folder": the new folder's name, volume, drive letter and access. Modal, on the window's
// thread; the volumes come from the appliance's reply and the free letters from the worker's scan.
#pragma once
#include "framework/dialog.h"
#include <string>
#include <vector>

class CAddShareDlg : public CDialog {
public:
    // volumeList: the appliance's list of volumes as its reply holds it.
    CAddShareDlg(std::string volumeList, std::vector<char> freeLetters);

    // What OK leaves behind. The password field's own text never leaves the dialog: the confirmation is
    // what goes to the appliance.
    std::string m_strNewShareName;
    std::string m_strNewSharePassword;
    std::string m_strNewSharePool;
    std::string m_strNewShareDrive;  // "None" (string 57373) or one letter

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
    void OnOK() override;

private:
    void EnablePasswords(bool enable) const;
    std::string ItemText(int id) const;
    std::string SelectedText(int comboId) const;
    bool Refuse(const std::string& text) const;

    std::string m_volumeList;
    std::vector<char> m_freeLetters;
};
