#include "copy/copy_queue.h"
#include "copy/copy_progress_thread.h"
#include "copy/copy_worker.h"
#include "copy/drop_routing.h"
#include "framework/thread.h"

namespace {
// A thread gets its own reference to the shared state.
LPVOID StateFor(const std::shared_ptr<CopyQueueState>& state) { return new std::shared_ptr<CopyQueueState>(state); }
}  // namespace

CCopyQueue::CCopyQueue(std::shared_ptr<WizardHost> host, HWND window)
    : m_state(std::make_shared<CopyQueueState>(std::move(host), window)) {}

int CCopyQueue::CopyDroppedItem(const std::string& path, uint32_t itemType,
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
    if (m_deviceName.empty()) m_deviceName = chooseDevice();
    if (m_deviceName.empty()) return -1;
    const std::string destination = BuildDropDestination(m_deviceName, path);
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
