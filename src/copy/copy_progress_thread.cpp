#include "copy/copy_progress_thread.h"
#include "copy/copy_progress_dlg.h"
#include "copy/copy_queue_state.h"

namespace {
// The first batch still being copied that has had no window yet; none ends the thread, under the same
// lock that the window's ID_COPY_STARTED handling takes to decide whether to start a new one.
std::shared_ptr<CopyBatch> TakeBatchToShow(CopyQueueState& state) {
    std::lock_guard<std::mutex> lock(state.mutex);
    for (const std::shared_ptr<CopyBatch>& batch : state.batches) {
        if (batch->finished || batch->windowShown) continue;
        batch->windowShown = true;
        return batch;
    }
    state.progressRunning = false;
    return nullptr;
}
}  // namespace

UINT CopyProgressThread(LPVOID param) {
    const std::unique_ptr<std::shared_ptr<CopyQueueState>> holder(static_cast<std::shared_ptr<CopyQueueState>*>(param));
    CopyQueueState& state = **holder;
    ::SetThreadLocale(state.locale);
    while (std::shared_ptr<CopyBatch> batch = TakeBatchToShow(state)) {
        CCopyProgressDlg dialog(batch);
        dialog.Run(state.window);
    }
    return 0;
}
