#include "app/worker_threads.h"
#include "app/wizard_link.h"
#include "discovery/device_scan.h"
#include "shares/mapped_drives.h"

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
    job->query.drives = ScanMappedDrives();
    job->query.folderListed = [link = job->link] { link->NoteProgress(); };
    auto listing = std::make_shared<ShareListing>();
    if (job->hasAppliance) *listing = EnumerateShares(job->query);
    job->link->DeliverResult(job->ticket, [job, listing](CQuickmapDlg& window) {
        window.LoadSharePage(job->query.drives, job->hasAppliance ? listing.get() : nullptr);
    });
    return 0;
}

UINT MappingThreadProc(LPVOID argument) {
    const auto job = TakeJob<MappingJob>(argument);
    const auto outcome = std::make_shared<MappingOutcome>(MapCheckedShares(job->ticked, *job->link));
    job->link->DeliverResult(job->ticket, [outcome](CQuickmapDlg& window) { window.OnMappingFinished(*outcome); });
    return 0;
}

UINT DriveLetterThreadProc(LPVOID argument) {
    const auto job = TakeJob<DriveLetterJob>(argument);
    const auto change = std::make_shared<DriveLetterChange>(
        MapOrRemoveDriveLetter(job->map, job->selected, job->currentLetter, job->owner, *job->link));
    auto listing = std::make_shared<ShareListing>();
    if (change->changed) {
        job->query.drives = change->drives;
        job->query.folderListed = [link = job->link] { link->NoteProgress(); };
        *listing = EnumerateShares(job->query);
    }
    job->link->DeliverResult(job->ticket, [change, listing](CQuickmapDlg& window) {
        window.OnDriveLetterChanged(*change, *listing);
    });
    return 0;
}

UINT WebOperationThreadProc(LPVOID argument) {
    const auto job = TakeJob<WebOperationJob>(argument);
    if (job->type == 3) {
        SetUniqueDeviceName(job->settings, *job->link);
        job->link->DeliverResult(job->ticket,
                                 [job](CQuickmapDlg& window) { window.OnDeviceSettingsFinished(job->settings); });
        return 0;
    }
    if (job->type == 1)
        AddSharedFolder(job->shares, *job->link);
    else
        DeleteSharedFolder(job->shares, *job->link);
    job->link->DeliverResult(job->ticket, [job](CQuickmapDlg& window) { window.OnShareOperationFinished(job->shares); });
    return 0;
}

UINT ManageThreadProc(LPVOID argument) {
    const auto job = TakeJob<ManageJob>(argument);
    UpdateDeviceLanguage(job->work, *job->link);
    job->link->DeliverResult(job->ticket, [job](CQuickmapDlg& window) {
        window.OnManageFinished(job->work, job->browserPath, job->url);
    });
    return 0;
}
