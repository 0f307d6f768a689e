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

// While alive, answers every message box of this process and keeps its text: Yes (or No, when told to
// decline) where the box asks, else OK.
class MessageBoxAnswerer {
public:
    // snapshot runs on the answering thread while a box is up, before it is answered: a test can look at
    // the program's windows as they are at that moment.
    explicit MessageBoxAnswerer(std::function<std::string()> snapshot = {});
    void SetDecline(bool decline) { m_decline = decline; }
    // Answers No only to the questions that contain `part`.
    void DeclineWhen(const std::string& part) {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_declinePart = part;
    }
    ~MessageBoxAnswerer();
    std::vector<std::string> Texts() const;
    std::vector<std::string> Snapshots() const;
    bool Saw(const std::string& text) const;

private:
    void Run();
    std::atomic<bool> m_decline{false};
    std::function<std::string()> m_snapshot;
    std::vector<std::string> m_snapshots;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_texts;
    std::string m_declinePart;
    std::thread m_thread;
};

std::string WindowText(HWND hwnd);
std::string EnvPath(const char* name);  // a Windows path the test bed passed in the environment
std::string ReadTextFile(const std::string& path);
// What the recorder, the test bed's stand-in for the shell's and the browser's programs, was asked to open.
std::string RecorderLog();
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

// A popup menu as it was while shown: item texts (separators empty), command ids and submenus.
struct MenuSnapshot {
    struct Item {
        std::string text;
        UINT id;
        std::vector<Item> submenu;
    };
    std::vector<Item> items;
    bool shown = false;
};

// Waits on its own thread (up to timeoutMs) for a popup menu of this process, reads it, then dismisses it.
class MenuSpy {
public:
    MenuSpy(HWND owner, DWORD timeoutMs = 3000);
    ~MenuSpy();
    // True once the menu was read or the wait ran out; the owner's thread pumps until then when the menu comes late.
    bool Done() const { return m_done; }
    MenuSnapshot Finish();

private:
    MenuSnapshot m_snapshot;
    std::atomic<bool> m_done{false};
    std::thread m_thread;
};

}  // namespace testbed
