// Driving real windows from a test: pumping the test thread's messages, answering modal dialogs from a
// second thread, reading control texts, and (with QM_SHOT_DIR set) asking for screenshots.
// Header only: the runner compiles just the *_test.cpp files.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <thread>
#include "test_bed.h"
#include <cstdio>

namespace auxtest {

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
    bool m_found = false;  // before the thread, which sets it
    std::thread m_thread;
};

// Dispatches this thread's messages for about `ms` milliseconds.
inline void PumpMessages(DWORD ms) {
    const DWORD start = ::GetTickCount();
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::Sleep(10);
    } while (::GetTickCount() - start < ms);
}

inline std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

inline std::string ItemText(HWND dialog, int id) { return WindowText(::GetDlgItem(dialog, id)); }

// The first child window of `parent` with the given class, or null.
inline HWND FindChildByClass(HWND parent, const char* className) {
    return ::FindWindowExA(parent, nullptr, className, nullptr);
}

// With QM_SHOT_DIR set, asks the screenshot watcher of the test bed for a picture of the window:
// writes <name>.req with the window's screen rectangle and waits (up to 5 s) for <name>.done.
inline void SaveShot(HWND window, const char* name) {
    const std::string dir = testbed::Env("QM_SHOT_DIR");
    if (dir.empty()) return;
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT rc;
    ::GetWindowRect(window, &rc);
    const std::string base = dir + "\\" + name;
    if (FILE* request = std::fopen((base + ".req").c_str(), "w")) {
        std::fprintf(request, "%ld %ld %ld %ld\n", rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
        std::fclose(request);
    }
    const std::string done = base + ".done";
    for (int waited = 0; waited < 5000 && ::GetFileAttributesA(done.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 50)
        PumpMessages(50);
}

inline DialogDriver::DialogDriver(const char* caption, std::function<void(HWND)> act)
    : m_thread([this, title = std::string(caption), act = std::move(act)] {
          for (int waited = 0; waited < 10000; waited += 20) {
              if (HWND dialog = ::FindWindowA(nullptr, title.c_str())) {
                  m_found = true;
                  ::Sleep(300);  // let it paint before anything looks at it
                  act(dialog);
                  return;
              }
              ::Sleep(20);
          }
      }) {}

inline DialogDriver::~DialogDriver() {
    if (m_thread.joinable()) m_thread.join();
}

inline bool DialogDriver::Finish() {
    if (m_thread.joinable()) m_thread.join();
    return m_found;
}

}  // namespace auxtest
