// The wizard window as its workers see it. Window and workers share this object; the window closes it when
// it goes, after which nothing reaches the window any more and every request gets its "cancelled" answer.
#pragma once
#include "app/wizard_state.h"
#include "common/wizard_host.h"
#include "framework/window_link.h"
#include <functional>

class CQuickmapDlg;

class CWizardLink : public WizardHost {
public:
    explicit CWizardLink(CQuickmapDlg& window);

    bool RunOnWindow(const std::function<void()>& work) override;
    int ShowMessage(const std::string& text, unsigned flags) override;
    void ReportFailure(unsigned stringId) override;
    void SetProgressAnimation(bool on) override;
    std::optional<AdminCredentials> PromptAdminCredentials(const std::string& deviceName) override;
    std::optional<std::string> PromptSharePassword(const std::string& remoteName) override;
    void ReloadSharePage() override;
    // The worker made progress: the window's watchdog waits again. Does not wait.
    void NoteProgress();

    // Hands a worker's result to the window without waiting; dropped when the window is gone.
    void Deliver(std::function<void(CQuickmapDlg&)> apply);
    // The same for a worker holding `ticket`: applied only when the window still expects it.
    void DeliverResult(const WorkTicket& ticket, std::function<void(CQuickmapDlg&)> apply);

    // Window thread only.
    void RunPending() { m_link.RunPending(); }
    void Close() { m_link.Close(); }

private:
    // Dereferenced only by work running on the window's thread, which happens only while the link is open.
    CQuickmapDlg* const m_pWindow;
    CWindowLink m_link;
};
