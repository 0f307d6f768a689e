// A top-level test window that hosts the device list as the wizard window does, owns a copy queue, answers
// the worker's ID_COPY_STARTED, and lists appliances by name. Messages the copy workers show are recorded.
#pragma once
#include "common/wizard_host.h"
#include "copy/copy_queue.h"
#include "framework/wnd.h"
#include "widgets/device_list_ctrl.h"
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class RecordingHost : public WizardHost {
public:
    bool RunOnWindow(const std::function<void()>& work) override;
    int ShowMessage(const std::string& text, unsigned flags) override;
    void ReportFailure(unsigned) override {}
    void SetProgressAnimation(bool) override {}
    std::optional<AdminCredentials> PromptAdminCredentials(const std::string&) override { return std::nullopt; }
    std::optional<std::string> PromptSharePassword(const std::string&) override { return std::nullopt; }
    void ReloadSharePage() override {}
    std::vector<std::string> Messages() const;

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_messages;
};

class DropTestWindow : public CWnd {
public:
    // Rows of the device list, one appliance name each.
    explicit DropTestWindow(const std::vector<std::string>& appliances);
    ~DropTestWindow() override;

    CDeviceListCtrl& List() { return m_list; }
    CCopyQueue& Queue() { return *m_queue; }
    RecordingHost& Host() { return *m_host; }
    // Installs the copy queue as the list's drop callback; the first row is the destination.
    void InstallCopyCallback();
    // Posts a real HDROP naming `paths` to the list, as the shell does (ANSI or wide names).
    void PostDrop(const std::vector<std::string>& paths);
    void PostDrop(const std::vector<std::wstring>& paths);
    // Pumps messages until every posted drop has been read and the queue is idle (all copied and
    // reported); false on time-out. Needs InstallCopyCallback.
    bool WaitUntilCopied(DWORD timeoutMs = 20000) const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    std::shared_ptr<RecordingHost> m_host = std::make_shared<RecordingHost>();
    CDeviceListCtrl m_list;
    std::unique_ptr<CCopyQueue> m_queue;
    bool m_copying = false;  // the copy queue is the drop callback
    int m_dropsPosted = 0;
    int m_dropsEnded = 0;
};

// The top-level copy progress window of this process, or null.
HWND FindCopyProgressWindow();
