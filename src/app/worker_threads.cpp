#include "app/worker_threads.h"
#include "app/wizard_link.h"
#include "discovery/device_scan.h"

namespace {
// Results travel in std::function, which must be copyable; the job itself moves into a shared pointer.
template <typename Job>
std::shared_ptr<Job> TakeJob(LPVOID argument) {
    return std::shared_ptr<Job>(static_cast<Job*>(argument));
}
}  // namespace

UINT ScanThreadProc(LPVOID argument) {
    const auto job = TakeJob<ScanJob>(argument);
    auto found = std::make_shared<DeviceRegistry>();
    ScanForDevices(*found);
    job->link->Deliver([job, found](CQuickmapDlg& window) { window.OnScanFinished(std::move(*found), job->purpose); });
    return 0;
}

UINT ShareThreadProc(LPVOID argument) {
    const auto job = TakeJob<ShareLoadJob>(argument);
    job->link->Deliver([job](CQuickmapDlg& window) {
        window.ApplyWorkerResult(job->generation, [&] {
            window.LoadSharePage(job->hasAppliance ? &job->appliance : nullptr);
        });
    });
    return 0;
}

UINT WebOperationThreadProc(LPVOID argument) {
    const auto job = TakeJob<SettingsJob>(argument);
    SetUniqueDeviceName(job->work, *job->link);
    job->link->Deliver([job](CQuickmapDlg& window) {
        window.ApplyWorkerResult(job->generation, [&] {
            window.Credentials() = job->work.credentials;
            if (!job->work.renamed) return;
            window.UpdateDeviceEntry(job->work.entry);
            window.FillDeviceList();
        });
    });
    return 0;
}

UINT ManageThreadProc(LPVOID argument) {
    const auto job = TakeJob<ManageJob>(argument);
    UpdateDeviceLanguage(job->work, *job->link);
    job->link->Deliver([job](CQuickmapDlg& window) {
        window.Credentials() = job->work.credentials;
        window.UpdateDeviceEntry(job->work.entry);
        window.OpenByShell(job->browserPath, job->url);
    });
    return 0;
}
