#include "copy/copy_worker.h"
#include "copy/copy_counter.h"
#include "copy/copy_names.h"
#include "copy/copy_queue.h"
#include "copy/file_copier.h"
#include "framework/resource_strings.h"
#include "res/resource_copy.h"
#include <memory>
#include <vector>

namespace {
// The next job of the batch, waiting for the drop to hand it over; false once the batch has no more.
bool NextJob(CopyQueueState& state, CopyBatch& batch, size_t index, CopyJob& job) {
    std::unique_lock<std::mutex> lock(state.mutex);
    state.changed.wait(lock, [&] { return index < batch.jobs.size() || batch.ended; });
    if (index >= batch.jobs.size()) return false;
    job = batch.jobs[index];
    return true;
}

// Counts the jobs that have come since the last count, so the totals grow as the drop is read.
void CountNewJobs(CopyQueueState& state, CopyBatch& batch, size_t& counted) {
    std::vector<CopyJob> fresh;
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        fresh.assign(batch.jobs.begin() + static_cast<std::ptrdiff_t>(counted), batch.jobs.end());
        counted = batch.jobs.size();
    }
    for (const CopyJob& job : fresh) {
        const CopyAmount amount = CountCopyWork(job.source);
        batch.progress.AddWork(amount.files, amount.bytes);
    }
}

// Copies every item of the batch; returns the lines of the items that failed, with the system's reason.
std::string CopyBatchItems(CopyQueueState& state, CopyBatch& batch) {
    std::string failures;
    size_t counted = 0;
    CopyJob job;
    for (size_t index = 0; NextJob(state, batch, index, job); ++index) {
        if (batch.progress.IsCancelled()) continue;  // the rest of a cancelled drop is not started
        CountNewJobs(state, batch, counted);
        const std::string name = LastPathPart(job.source);
        batch.progress.SetStatusText(FormatResString(IDS_COPY_STATUS, name, job.destination));
        CFileCopier copier(&batch.progress);
        if (!copier.Copy(job.source, job.destination) && !batch.progress.IsCancelled())
            failures += name + ": " + copier.LastErrorText() + "\n";
    }
    return failures;
}
}  // namespace

UINT CopyWorkerThread(LPVOID param) {
    const std::unique_ptr<std::shared_ptr<CopyQueueState>> holder(static_cast<std::shared_ptr<CopyQueueState>*>(param));
    CopyQueueState& state = **holder;
    ::SetThreadLocale(state.locale);
    for (;;) {
        std::shared_ptr<CopyBatch> batch;
        {
            std::lock_guard<std::mutex> lock(state.mutex);
            if (state.batches.empty()) {
                state.workerRunning = false;
                return 0;
            }
            batch = state.batches.front();
        }
        ::PostMessageA(state.window, WM_COMMAND, ID_COPY_STARTED, 0);
        const std::string failures = CopyBatchItems(state, *batch);
        {
            std::lock_guard<std::mutex> lock(state.mutex);
            batch->finished = true;  // its progress window closes now, before any report
        }
        if (!failures.empty())
            state.host->ShowMessage(FormatResString(IDS_COPY_FAILED, failures), MB_OK | MB_ICONWARNING);
        std::lock_guard<std::mutex> lock(state.mutex);
        state.batches.pop_front();
    }
}
