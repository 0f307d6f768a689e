#include "copy/copy_worker.h"
#include "copy/copy_counter.h"
#include "copy/copy_names.h"
#include "copy/copy_queue.h"
#include "copy/file_copier.h"
#include "copy/wide_text.h"
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

// What the user is told of a batch: what did not arrive, and what arrived without its times or attributes.
struct BatchReport {
    std::string failures;
    std::string incomplete;
};

// One line per problem, named from the dropped item down ("Trip\Day1\a.jpg: Access is denied.").
void AddProblemLines(const CFileCopier& copier, const std::wstring& source, BatchReport& report) {
    const std::wstring itemParent = ParentPath(PlainPath(ExtendedLengthPath(source)));
    for (const CopyProblem& problem : copier.Problems()) {
        std::wstring name = problem.path;
        if (!itemParent.empty() && name.compare(0, itemParent.size(), itemParent) == 0) name.erase(0, itemParent.size());
        while (!name.empty() && name.front() == L'\\') name.erase(0, 1);
        const std::string line = AnsiText(name.empty() ? LastPathPart(source) : name) + ": ";
        switch (problem.issue) {
        case CopyIssue::Failed: report.failures += line + problem.text + "\n"; break;
        case CopyIssue::LinkSkipped: report.failures += line + LoadResString(IDS_COPY_LINK_SKIPPED) + "\n"; break;
        case CopyIssue::IntoItself: report.failures += line + LoadResString(IDS_COPY_INTO_ITSELF) + "\n"; break;
        case CopyIssue::AttributesNotKept: report.incomplete += line + problem.text + "\n"; break;
        }
    }
}

// Copies every item of the batch and gathers what went wrong.
BatchReport CopyBatchItems(CopyQueueState& state, CopyBatch& batch) {
    BatchReport report;
    size_t counted = 0;
    CopyJob job;
    for (size_t index = 0; NextJob(state, batch, index, job); ++index) {
        if (batch.progress.IsCancelled()) continue;  // the rest of a cancelled drop is not started
        CountNewJobs(state, batch, counted);
        batch.progress.SetStatusText(
            FormatResString(IDS_COPY_STATUS, AnsiText(LastPathPart(job.source)), AnsiText(job.destination)));
        CFileCopier copier(&batch.progress);
        copier.Copy(job.source, job.destination);
        AddProblemLines(copier, job.source, report);
    }
    return report;
}

std::string ReportText(const BatchReport& report) {
    std::string text;
    if (!report.failures.empty()) text = FormatResString(IDS_COPY_FAILED, report.failures);
    if (!report.incomplete.empty())
        text += (text.empty() ? "" : "\n") + FormatResString(IDS_COPY_ARRIVED_INCOMPLETE, report.incomplete);
    return text;
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
                state.changed.notify_all();  // a quit may be waiting for this
                return 0;
            }
            batch = state.batches.front();
        }
        ::PostMessageA(state.window, WM_COMMAND, ID_COPY_STARTED, 0);
        const std::string report = ReportText(CopyBatchItems(state, *batch));
        {
            std::lock_guard<std::mutex> lock(state.mutex);
            batch->finished = true;  // its progress window closes now, before any report
        }
        // After a Cancel, what was not copied is the user's own doing, so there is nothing to report.
        if (!report.empty() && !batch->progress.IsCancelled()) state.host->ShowMessage(report, MB_OK | MB_ICONWARNING);
        std::lock_guard<std::mutex> lock(state.mutex);
        state.batches.pop_front();
    }
}
