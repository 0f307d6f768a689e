// What one batch of copies has to do and has done, shared by its copy worker (writer) and its progress
// window (reader), and the Cancel the window raises for the worker.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

struct CopyFigures {
    uint64_t filesDone = 0;
    uint64_t filesTotal = 0;
    uint64_t bytesDone = 0;
    uint64_t bytesTotal = 0;
};

class CopyProgress {
public:
    void AddWork(uint64_t files, uint64_t bytes);
    // Bytes of the file being copied so far; they count as done once FileWritten is called.
    void SetCurrentFileBytes(uint64_t bytes) { m_currentFileBytes = bytes; }
    void FileWritten(uint64_t bytes);
    // A file has its final name, or was reported as not arrived.
    void FileDone() { ++m_filesDone; }
    CopyFigures Figures() const;

    void SetStatusText(std::string text);
    std::string StatusText() const;

    void Cancel() { m_cancelled = true; }
    bool IsCancelled() const { return m_cancelled; }

private:
    std::atomic<uint64_t> m_filesTotal{0};
    std::atomic<uint64_t> m_bytesTotal{0};
    std::atomic<uint64_t> m_filesDone{0};
    std::atomic<uint64_t> m_bytesDone{0};
    std::atomic<uint64_t> m_currentFileBytes{0};
    std::atomic<bool> m_cancelled{false};
    mutable std::mutex m_textMutex;  // the window reads the text while the worker replaces it
    std::string m_statusText;
};
