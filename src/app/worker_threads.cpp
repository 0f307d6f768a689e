#include "app/worker_threads.h"
#include "app/wizard_link.h"
#include "discovery/address_query.h"
#include "framework/com_apartment.h"
#include "shares/mapped_drives.h"
#include <objbase.h>
#include <shellapi.h>

namespace {
// Results travel in std::function, which must be copyable; the job itself moves into a shared pointer.
template <typename Job>
std::shared_ptr<Job> TakeJob(LPVOID argument) {
    return std::shared_ptr<Job>(static_cast<Job*>(argument));
}

void ShowFailure(CQuickmapDlg& window, const OperationResult&) { window.ShowWorkerFailure(); }

// Runs a worker's body, which delivers its own result. One that throws ends at once as a failure: `failed`
// gets it, and its page is free again, rather than busy until the watchdog gives up on it.
template <typename Job, typename Body>
UINT RunWorker(LPVOID argument, Body body,
               std::function<void(CQuickmapDlg&, const OperationResult&)> failed = ShowFailure) {
    const auto job = TakeJob<Job>(argument);
    const OperationResult result = RunGuarded([&] {
        body(job);
        return OperationResult::Done();
    });
    if (result.outcome == Outcome::Failed)
        job->link->DeliverResult(job->ticket, [failed = std::move(failed), result](CQuickmapDlg& window) {
            failed(window, result);
        });
    return 0;
}
}  // namespace

UINT OpenThreadProc(LPVOID argument) {
    const std::unique_ptr<std::string> target(static_cast<std::string*>(argument));
    const fw::ComApartment apartment;  // the shell's handlers may use COM on the calling thread
    ::ShellExecuteA(nullptr, "open", target->c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return 0;
}

UINT ScanThreadProc(LPVOID argument) {
    const auto job = TakeJob<ScanJob>(argument);
    auto found = std::make_shared<DeviceRegistry>();
    const OperationResult scanned = RunGuarded([&] {
        ScanForDevices(*found, job->options);
        return OperationResult::Done();
    });
    if (scanned.outcome == Outcome::Failed) *found = DeviceRegistry{};  // a scan that failed found nothing
    job->link->Deliver([job, found](CQuickmapDlg& window) { window.OnScanFinished(std::move(*found), job->purpose); });
    return 0;
}

UINT AddressQueryThreadProc(LPVOID argument) {
    return RunWorker<AddressQueryJob>(argument, [](const std::shared_ptr<AddressQueryJob>& job) {
        const auto result = std::make_shared<AddressQueryResult>(QueryApplianceAt(job->asked));
        job->link->DeliverResult(job->ticket, [job, result](CQuickmapDlg& window) {
            window.OnAddressQueried(job->asked, *result);
        });
    });
}

UINT ShareThreadProc(LPVOID argument) {
    return RunWorker<ShareLoadJob>(argument, [](const std::shared_ptr<ShareLoadJob>& job) {
        job->query.drives = ScanMappedDrives();
        job->query.folderListed = [link = job->link] { link->NoteProgress(); };
        auto listing = std::make_shared<ShareListing>();
        if (job->hasAppliance) *listing = EnumerateShares(job->query);
        job->link->DeliverResult(job->ticket, [job, listing](CQuickmapDlg& window) {
            window.LoadSharePage(job->query.drives, job->hasAppliance ? listing.get() : nullptr);
        });
    });
}

UINT MappingThreadProc(LPVOID argument) {
    const fw::ComApartment apartment;  // desktop shortcuts
    const auto failed = [](CQuickmapDlg& window, const OperationResult& result) {
        MappingOutcome outcome;
        outcome.result = result;
        window.OnMappingFinished(outcome);
        window.ShowWorkerFailure();
    };
    return RunWorker<MappingJob>(argument, [](const std::shared_ptr<MappingJob>& job) {
        const auto outcome = std::make_shared<MappingOutcome>(MapCheckedShares(job->ticked, *job->link));
        job->link->DeliverResult(job->ticket, [outcome](CQuickmapDlg& window) { window.OnMappingFinished(*outcome); });
    }, failed);
}

UINT DriveLetterThreadProc(LPVOID argument) {
    const fw::ComApartment apartment;  // desktop shortcuts
    return RunWorker<DriveLetterJob>(argument, [](const std::shared_ptr<DriveLetterJob>& job) {
        const auto change = std::make_shared<DriveLetterChange>(
            MapOrRemoveDriveLetter(job->map, job->selected, job->currentLetter, job->owner, *job->link));
        auto listing = std::make_shared<ShareListing>();
        if (change->result.outcome == Outcome::Done) {
            job->query.drives = change->drives;
            job->query.folderListed = [link = job->link] { link->NoteProgress(); };
            *listing = EnumerateShares(job->query);
        }
        job->link->DeliverResult(job->ticket, [change, listing](CQuickmapDlg& window) {
            window.OnDriveLetterChanged(*change, *listing);
        });
    });
}

UINT WebOperationThreadProc(LPVOID argument) {
    const fw::ComApartment apartment;  // desktop shortcuts
    return RunWorker<WebOperationJob>(argument, [](const std::shared_ptr<WebOperationJob>& job) {
        if (job->type == 3) {
            const OperationResult renamed = SetUniqueDeviceName(job->settings, *job->link);
            job->link->DeliverResult(job->ticket, [job, renamed](CQuickmapDlg& window) {
                window.OnDeviceSettingsFinished(job->settings, renamed);
            });
            return;
        }
        if (job->type == 1)
            AddSharedFolder(job->shares, *job->link);
        else
            DeleteSharedFolder(job->shares, *job->link);
        job->link->DeliverResult(job->ticket,
                                 [job](CQuickmapDlg& window) { window.OnShareOperationFinished(job->shares); });
    });
}

UINT ManageThreadProc(LPVOID argument) {
    return RunWorker<ManageJob>(argument, [](const std::shared_ptr<ManageJob>& job) {
        UpdateDeviceLanguage(job->work, *job->link);
        job->link->DeliverResult(job->ticket, [job](CQuickmapDlg& window) {
            window.OnManageFinished(job->work, job->url);
        });
    });
}
