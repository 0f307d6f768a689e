// Finishes written files (flush, final name, times, close) on threads of its own, so that the copy goes on
// with the next file while the destination takes this one to its disk. On many small files the flushes are
// most of the copy's time, and a disk or an appliance takes several of them at once about as fast as one.
#pragma once
#include "copy/file_transfer.h"
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

class FileFinisher {
public:
    // `progress` (may be null) is asked for Cancel, which removes the files not yet finished.
    explicit FileFinisher(const CopyProgress* progress) : m_progress(progress) {}
    ~FileFinisher();
    FileFinisher(const FileFinisher&) = delete;
    FileFinisher& operator=(const FileFinisher&) = delete;

    // Hands a written file over; waits while as many as kMaxWaiting wait for a thread.
    void Hand(WrittenFile file);
    // The results of the files finished since the last call, in the order they were finished.
    std::vector<TransferResult> TakeFinished();
    // Waits until every file handed over is finished, and returns the results not taken yet.
    std::vector<TransferResult> FinishAll();

private:
    static constexpr size_t kThreads = 4;
    static constexpr size_t kMaxWaiting = 8;
    void Run();

    const CopyProgress* m_progress;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<WrittenFile> m_waiting;
    std::vector<TransferResult> m_finished;
    size_t m_busy = 0;  // files taken by a thread and not finished yet
    bool m_stopping = false;
    std::vector<std::thread> m_threads;  // started with the first file
};
