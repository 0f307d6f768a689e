// Drives real windows in-process: pumps messages until a condition holds and answers the message
// boxes the program shows, recording their texts.
#pragma once
#include <windows.h>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testbed {

// Dispatches this thread's messages until `done` or the time-out; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
void PumpFor(DWORD ms);

// While alive, closes every message box of this process (with the given button) and keeps its text.
class MessageBoxAnswerer {
public:
    // snapshot runs on the answering thread while a box is up, before it is answered: a test can look at
    // the program's windows as they are at that moment.
    explicit MessageBoxAnswerer(int button = IDOK, std::function<std::string()> snapshot = {});
    ~MessageBoxAnswerer();
    std::vector<std::string> Texts() const;
    std::vector<std::string> Snapshots() const;
    bool Saw(const std::string& text) const;

private:
    void Run();
    int m_button;
    std::function<std::string()> m_snapshot;
    std::vector<std::string> m_snapshots;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_texts;
    std::thread m_thread;
};

std::string WindowText(HWND hwnd);
inline std::string ItemText(HWND dialog, int id) { return WindowText(::GetDlgItem(dialog, id)); }
bool IsShownAndEnabled(HWND hwnd);
bool IsHiddenAndDisabled(HWND hwnd);

// Waits on its own thread (up to 10 s) for a top-level window with `caption`, lets it paint, then runs
// `act` on it; the test thread meanwhile sits in the dialog's modal loop.
class DialogDriver {
public:
    DialogDriver(const char* caption, std::function<void(HWND)> act);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    // Waits for the driver to finish; true when the window appeared.
    bool Finish();

private:
    std::atomic<bool> m_found{false};
    std::thread m_thread;
};

}  // namespace testbed
