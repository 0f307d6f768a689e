// The help window: a rich-text help document sized to its text, beside the wizard window.
#pragma once
#include "app/help_layout.h"
#include "app/not_found_report.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "framework/rich_edit_ctrl.h"
#include <string>
#include <vector>

class CHelpDlg : public CDialog {
public:
    // Creates and shows the help window for `helpResourceId`, owned by `owner`. The object deletes
    // itself when its window is destroyed; returns null (and deletes it) when the window cannot be made.
    // `added` goes after the document's own text.
    static CHelpDlg* Open(CWnd* owner, int helpResourceId, std::vector<HelpSection> added = {});

    CHelpDlg(CWnd* owner, int helpResourceId, std::vector<HelpSection> added = {});
    bool Create();
    int HelpResourceId() const { return m_nHelpResourceId; }

protected:
    BOOL OnInitDialog() override;
    bool OnNotify(NMHDR* header, LRESULT& result) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The caption's close button and the keyboard only hide the window; the wizard window replaces it.
    void OnOK() override { ShowWindow(SW_HIDE); }
    void OnCancel() override { ShowWindow(SW_HIDE); }
    void PostNcDestroy() override { delete this; }

    // Seams for tests: the full-screen client area, and the document (from the help resource).
    virtual ContentSize ScreenClientSize() const;
    virtual bool LoadDocument();

    std::string m_strDocument;  // the whole document, shrinking while the view takes it

private:
    void StreamDocument();
    ContentSize ProbeContentSize(int width);
    void FitToContent();
    void SetFormatToView();
    void OnSize();
    static DWORD CALLBACK StreamCallback(DWORD_PTR cookie, LPBYTE buffer, LONG capacity, LONG* transferred);

    fw::unique_hicon m_smallIcon;
    CRichEditCtrl m_richEdit;
    int m_nHelpResourceId;
    std::vector<HelpSection> m_added;
    int m_nRequestedWidth = 0;
    int m_nRequestedHeight = 0;
    CWnd* m_pOwner;
};
