// Opening an appliance's folders in the file manager and its web manager in the browser.
#include "app/app_globals.h"
#include "app/quickmap_dlg.h"
#include "app/worker_threads.h"
#include "framework/wait_cursor.h"
#include "framework/handles.h"
#include "framework/resource_strings.h"
#include "res/resource.h"
#include "shares/browser_path.h"
#include <shellapi.h>
#include <vector>

namespace {
std::string ReadHttpOpenCommand() {
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return std::string();
    fw::unique_hkey key(raw);
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), nullptr, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS || size == 0)
        return std::string();
    std::vector<char> buffer(size + 1, '\0');
    if (::RegQueryValueExA(key.get(), nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return std::string();
    return std::string(buffer.data());
}
}  // namespace

std::string CQuickmapDlg::GetBrowserPath() {
    // Read once per window: a later change of the default browser is not seen.
    if (m_strBrowserPath.empty()) m_strBrowserPath = BrowserPathFromCommand(ReadHttpOpenCommand());
    return m_strBrowserPath;
}

void CQuickmapDlg::OpenSelectedShare() {
    CWaitCursor wait;
    if (m_state.Page() == WizardPage::Devices) {
        if (const DeviceEntry* entry = m_state.SelectedEntry()) OpenByShell(std::string("\\\\") + entry->ipText, "");
        return;
    }
    const HTREEITEM item = m_shareTree.GetSelectedItem();
    if (!item) {
        ShowMessage(LoadResString(IDS_SELECT_SHARE_FIRST), MB_OK | MB_ICONINFORMATION);
        return;
    }
    // The server item opens as \\server, a folder as \\server\folder: the names the network gave them.
    const auto data = m_shareTree.GetItemData(item);
    if (data) OpenByShell(data->remoteName, std::string());
}

void CQuickmapDlg::OpenWebManager() {
    const DeviceEntry* entry = TargetAppliance();
    if (!entry) return;
    StartManage(std::string("http://") + entry->ipText);
}

void CQuickmapDlg::OnManageDevice() {
    const HTREEITEM item = m_shareTree.GetSelectedItem();
    if (!item) return;
    StartManage("http://" + m_shareTree.GetItemText(item));
}

void CQuickmapDlg::StartManage(const std::string& url) {
    // The language page may wait up to the connect time-out: a worker sends it, then the browser opens.
    const DeviceEntry* entry =
        m_state.Page() == WizardPage::Devices ? m_state.SelectedEntry() : m_state.ChosenAppliance();
    if (!entry) {
        OpenByShell(GetBrowserPath(), url);
        return;
    }
    const auto ticket = m_state.BeginWork(WorkKind::Manage);
    if (!ticket) return;
    auto* job = new ManageJob{m_link, *ticket, {}, GetBrowserPath(), url};
    job->work.entry = *entry;
    job->work.host = entry->ipText;
    job->work.language = g_strLanguage;
    job->work.credentials = m_state.Credentials();
    if (StartWorker(&ManageThreadProc, job)) return;
    delete job;
    m_state.CancelWork(*ticket);
}

void CQuickmapDlg::OnManageFinished(const DeviceSettingsWork& work, const std::string& browserPath,
                                    const std::string& url) {
    m_state.SetCredentials(work.credentials);
    m_state.UpdateEntry(work.entry);
    OpenByShell(browserPath, url);
}

void CQuickmapDlg::OpenByShell(const std::string& file, const std::string& parameters) {
    ::ShellExecuteA(nullptr, "open", file.c_str(), parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                    SW_SHOWNORMAL);
}
