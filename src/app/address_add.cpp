// Add by address and forgetting: the window's side of appliances asked directly, and what every scan leaves
// remembered for the next one.
#include "app/add_address_dlg.h"
#include "app/quickmap_dlg.h"
#include "app/worker_threads.h"
#include "discovery/remembered_store.h"
#include "framework/resource_strings.h"
#include "res/resource.h"
#include <ctime>

namespace {
UINT FailureMessage(AddressQueryOutcome outcome) {
    switch (outcome) {
    case AddressQueryOutcome::NoAnswer: return IDS_ADDRESS_NO_ANSWER;
    case AddressQueryOutcome::NotAHarborbox: return IDS_ADDRESS_NOT_HARBORBOX;
    default: return IDS_ADDRESS_NOT_RESOLVED;
    }
}
}  // namespace

void CQuickmapDlg::AddByAddress() {
    if (!m_state.MayMove()) return;
    CAddAddressDlg dialog(this);
    if (dialog.DoModal() != IDOK) return;
    // A scan or a worker may have begun while the dialog was up.
    const auto ticket = m_state.BeginWork(WorkKind::AddressQuery);
    if (!ticket) return;
    SetProgressAnimation(true);
    auto* job = new AddressQueryJob{m_link, *ticket, dialog.m_typed};
    if (StartWorker(&AddressQueryThreadProc, job)) return;
    delete job;
    m_state.CancelWork(*ticket);
    SetProgressAnimation(false);
}

void CQuickmapDlg::OnAddressQueried(const std::string& asked, const AddressQueryResult& result) {
    SetProgressAnimation(false);
    if (result.outcome != AddressQueryOutcome::Found) {
        ShowMessage(asked + "\n\n" + LoadResString(FailureMessage(result.outcome)), MB_OK | MB_ICONWARNING);
        return;
    }
    m_state.Remembered().Add(result.entry, std::time(nullptr));
    if (!SaveRemembered()) ReportFailure(IDS_ADDRESS_NOT_SAVED);
    // The scan asks the added address directly, so the list keeps the registry's order and marks.
    StartScan(true);
}

void CQuickmapDlg::ForgetMenuAppliance() {
    const RememberedAppliance* sleeping = SleepingAt(m_menuRow);
    const DeviceEntry* entry = sleeping ? nullptr : m_state.SelectedEntry();
    if ((!sleeping && !entry) || !m_state.MayMove()) return;
    if (!m_state.Remembered().Forget(sleeping ? sleeping->mac : MacOf(*entry))) return;
    SaveRemembered();
    StartScan(true);
}

bool CQuickmapDlg::IsAddedByAddress(const DeviceEntry& entry) const {
    const MacAddress mac = MacOf(entry);
    for (const RememberedAppliance& item : m_state.Remembered().Items())
        if (item.mac == mac) return item.added;
    return false;
}

void CQuickmapDlg::RememberSeen(const DeviceRegistry& found) {
    m_state.Remembered().RecordSeen(found.devices, std::time(nullptr));
    SaveRemembered();  // what is lost is only a hint for the next start
}

bool CQuickmapDlg::SaveRemembered() { return SaveRememberedAppliances(m_state.Remembered()); }
