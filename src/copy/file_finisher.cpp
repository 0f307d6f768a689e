#include "copy/file_finisher.h"
#include <utility>

FileFinisher::~FileFinisher() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    // Every file handed over is finished first: none may stay open under its partial name.
    for (std::thread& thread : m_threads) thread.join();
}

void FileFinisher::Hand(WrittenFile file) {
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_threads.empty())
        for (size_t i = 0; i < kThreads; ++i) m_threads.emplace_back([this] { Run(); });
    m_changed.wait(lock, [&] { return m_waiting.size() < kMaxWaiting; });
    m_waiting.push_back(std::move(file));
    m_changed.notify_all();
}

std::vector<TransferResult> FileFinisher::TakeFinished() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_finished, {});
}

std::vector<TransferResult> FileFinisher::FinishAll() {
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [&] { return m_waiting.empty() && m_busy == 0; });
    return std::exchange(m_finished, {});
}

void FileFinisher::Run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [&] { return m_stopping || !m_waiting.empty(); });
        if (m_waiting.empty()) return;
        WrittenFile file = std::move(m_waiting.front());
        m_waiting.pop_front();
        ++m_busy;
        m_changed.notify_all();
        lock.unlock();
        TransferResult result = FinishWrittenFile(file, m_progress);
        lock.lock();
        m_finished.push_back(std::move(result));
        --m_busy;
        m_changed.notify_all();
    }
}
