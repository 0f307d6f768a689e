// Opening an appliance's folders in the file manager and its web manager in the browser, each through the
// shell's handler of the address or path itself, so no name from the network reaches a command line.
#include "app/app_globals.h"
#include "app/quickmap_dlg.h"
#include "app/wizard_link.h"
#include "app/worker_threads.h"
#include "framework/wait_cursor.h"
#include "framework/resource_strings.h"
#include "res/resource.h"

void CQuickmapDlg::OpenSelectedShare() {
    CWaitCursor wait;
    if (m_state.Page() == WizardPage::Devices) {
        if (const DeviceEntry* entry = m_state.SelectedEntry()) OpenByShell(std::string("\\\\") + entry->ipText);
        return;
    }
    const HTREEITEM item = m_shareTree.GetSelectedItem();
    if (!item) {
        ShowMessage(LoadResString(IDS_SELECT_SHARE_FIRST), MB_OK | MB_ICONINFORMATION);
        return;
    }
    // The server item opens as \\server, a folder as \\server\folder: the server as it was addressed,
    // the folder as the network gave it, when that name can be a path.
    const auto data = m_shareTree.GetItemData(item);
    if (!data) return;
    if (m_shareTree.GetParentItem(item) && !ShareNameUsable(*data, *m_link)) return;
    OpenByShell(data->remoteName);
}

void CQuickmapDlg::OpenWebManager() {
    const DeviceEntry* entry = TargetAppliance();
    if (!entry) return;
    StartManage(std::string("http://") + entry->ipText);
}

void CQuickmapDlg::OnManageDevice() {
    // The page of the appliance the tree shows, by its address: the item's text is a name from the network.
    const DeviceEntry* entry = m_state.ChosenAppliance();
    if (!m_shareTree.GetSelectedItem() || !entry) return;
    StartManage(std::string("http://") + entry->ipText);
}

void CQuickmapDlg::StartManage(const std::string& url) {
    // The language page may wait up to the connect time-out: a worker sends it, then the browser opens.
    const DeviceEntry* entry =
        m_state.Page() == WizardPage::Devices ? m_state.SelectedEntry() : m_state.ChosenAppliance();
    if (!entry) {
        OpenByShell(url);
        return;
    }
    const auto ticket = m_state.BeginWork(WorkKind::Manage);
    if (!ticket) return;
    auto* job = new ManageJob{m_link, *ticket, {}, url};
    job->work.entry = *entry;
    job->work.host = entry->ipText;
    job->work.language = g_strLanguage;
    job->work.credentials = m_state.Credentials();
    if (StartWorker(&ManageThreadProc, job)) return;
    delete job;
    m_state.CancelWork(*ticket);
}

void CQuickmapDlg::OnManageFinished(const DeviceSettingsWork& work, const std::string& url) {
    m_state.SetCredentials(work.credentials);
    m_state.UpdateEntry(work.entry);
    OpenByShell(url);
}

void CQuickmapDlg::OpenByShell(const std::string& target) {
    // A network path can keep the shell waiting on the network: a worker of its own opens it.
    auto* job = new std::string(target);
    if (!StartWorker(&OpenThreadProc, job)) delete job;
}
