#include "app/wizard_link.h"
#include "app/password_dlg.h"
#include "app/quickmap_dlg.h"

CWizardLink::CWizardLink(CQuickmapDlg& window) : m_pWindow(&window), m_link(window.m_hWnd, UM_RUN_LINKED_WORK) {}

bool CWizardLink::RunOnWindow(const std::function<void()>& work) { return m_link.Call(work); }

int CWizardLink::ShowMessage(const std::string& text, unsigned flags) {
    int answer = 0;
    m_link.Call([&] { answer = m_pWindow->ShowMessage(text, flags); });
    return answer;
}

void CWizardLink::ReportFailure(unsigned stringId) {
    // Waits, like the box the worker would have shown itself: what the worker does next follows the answer.
    m_link.Call([&] { m_pWindow->ReportFailure(stringId); });
}

void CWizardLink::SetProgressAnimation(bool on) {
    CQuickmapDlg* window = m_pWindow;
    m_link.Post([window, on] { window->SetProgressAnimation(on); });
}

std::optional<AdminCredentials> CWizardLink::PromptAdminCredentials(const std::string& deviceName) {
    std::optional<AdminCredentials> typed;
    m_link.Call([&] {
        CPasswordDlg prompt;
        prompt.m_strPrompt = CPasswordDlg::AdminPrompt(deviceName);
        prompt.m_bUserNameEnabled = 1;
        if (prompt.DoModal() == IDOK) typed = prompt.m_typed;
    });
    return typed;
}

std::optional<std::string> CWizardLink::PromptSharePassword(const std::string& remoteName) {
    std::optional<std::string> typed;
    m_link.Call([&] {
        CPasswordDlg prompt;
        prompt.m_strPrompt = CPasswordDlg::SharePrompt(remoteName);
        if (prompt.DoModal() == IDOK) typed = prompt.m_typed.password;
    });
    return typed;
}

void CWizardLink::ReloadSharePage() {
    CQuickmapDlg* window = m_pWindow;
    m_link.Post([window] { window->SetTimer(ID_TIMER_LOAD_SHARES, 100); });
}

void CWizardLink::NoteProgress() {
    CQuickmapDlg* window = m_pWindow;
    m_link.Post([window] { window->NoteWorkerProgress(); });
}

void CWizardLink::Deliver(std::function<void(CQuickmapDlg&)> apply) {
    CQuickmapDlg* window = m_pWindow;
    m_link.Post([window, apply = std::move(apply)] { apply(*window); });
}

void CWizardLink::DeliverResult(const WorkTicket& ticket, std::function<void(CQuickmapDlg&)> apply) {
    Deliver([ticket, apply = std::move(apply)](CQuickmapDlg& window) {
        if (window.AcceptResult(ticket)) apply(window);
    });
}
