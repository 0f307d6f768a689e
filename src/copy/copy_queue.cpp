#include "copy/copy_queue.h"
#include "copy/copy_progress_thread.h"
#include "copy/copy_worker.h"
#include "copy/drop_routing.h"
#include "copy/wide_text.h"
#include "framework/resource_strings.h"
#include "res/resource_copy.h"
#include <chrono>
#include "framework/thread.h"

namespace {
// A thread gets its own reference to the shared state.
LPVOID StateFor(const std::shared_ptr<CopyQueueState>& state) { return new std::shared_ptr<CopyQueueState>(state); }
}  // namespace

CCopyQueue::CCopyQueue(std::shared_ptr<WizardHost> host, HWND window)
    : m_state(std::make_shared<CopyQueueState>(std::move(host), window)) {}

int CCopyQueue::CopyDroppedItem(const std::wstring& path, uint32_t itemType,
                                const std::function<std::string()>& chooseDevice) {
    if (path.empty() || itemType == 0) {
        if (m_openBatch) {
            std::lock_guard<std::mutex> lock(m_state->mutex);
            m_openBatch->ended = true;
        }
        m_state->changed.notify_all();
        m_openBatch.reset();
        m_deviceName.clear();
        return -1;
    }
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        if (m_state->quitting) return -1;
    }
    if (m_deviceName.empty()) m_deviceName = chooseDevice();
    if (m_deviceName.empty()) return -1;
    // Only the extension of the path routes it, so characters the code page lacks do not matter there.
    const std::wstring destination = WideText(BuildDropDestination(m_deviceName, AnsiText(path)));
    if (destination.empty()) return 0;
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        if (!m_openBatch) {
            m_openBatch = std::make_shared<CopyBatch>();
            m_state->batches.push_back(m_openBatch);
        }
        m_openBatch->jobs.push_back({path, destination});
    }
    m_state->changed.notify_all();
    StartWorkerIfIdle();
    return 0;
}

void CCopyQueue::StartWorkerIfIdle() { StartThreadOnce(&CopyQueueState::workerRunning, &CopyWorkerThread); }

void CCopyQueue::OnCopyStarted() { StartThreadOnce(&CopyQueueState::progressRunning, &CopyProgressThread); }

void CCopyQueue::StartThreadOnce(bool CopyQueueState::*running, AFX_THREADPROC proc) {
    {
        std::lock_guard<std::mutex> lock(m_state->mutex);
        if ((*m_state).*running) return;
        (*m_state).*running = true;
    }
    LPVOID state = StateFor(m_state);
    if (!AfxBeginThread(proc, state)) {
        delete static_cast<std::shared_ptr<CopyQueueState>*>(state);
        std::lock_guard<std::mutex> lock(m_state->mutex);
        (*m_state).*running = false;
    }
}

bool CCopyQueue::IsBusy() const {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    return !m_state->batches.empty();
}

bool CCopyQueue::ConfirmQuit() const {
    if (!IsBusy()) return true;
    return m_state->host->ShowMessage(LoadResString(IDS_QUIT_WHILE_COPYING), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool CCopyQueue::CancelAllAndWait(DWORD timeoutMs) {
    std::unique_lock<std::mutex> lock(m_state->mutex);
    m_state->quitting = true;
    for (const std::shared_ptr<CopyBatch>& batch : m_state->batches) {
        batch->progress.Cancel();
        batch->ended = true;  // a drop still being read hands over nothing more
    }
    m_state->changed.notify_all();
    return m_state->changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                     [this] { return !m_state->workerRunning; });
}
