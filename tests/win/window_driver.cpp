#include "window_driver.h"
#include <cstring>

namespace testbed {

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    while (!done()) {
        if (::GetTickCount64() > end) return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

void PumpFor(DWORD ms) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    PumpUntil([&] { return ::GetTickCount64() >= end; }, ms + 1000);
}

MessageBoxAnswerer::MessageBoxAnswerer(int button, std::function<std::string()> snapshot)
    : m_button(button), m_snapshot(std::move(snapshot)), m_thread([this] { Run(); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    m_stop = true;
    m_thread.join();
}

std::vector<std::string> MessageBoxAnswerer::Texts() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_texts;
}

std::vector<std::string> MessageBoxAnswerer::Snapshots() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_snapshots;
}

bool MessageBoxAnswerer::Saw(const std::string& text) const {
    for (const std::string& seen : Texts())
        if (seen == text) return true;
    return false;
}

void MessageBoxAnswerer::Run() {
    while (!m_stop) {
        struct Context {
            MessageBoxAnswerer* self;
        } context{this};
        ::EnumWindows(
            [](HWND hwnd, LPARAM lp) -> BOOL {
                auto* self = reinterpret_cast<Context*>(lp)->self;
                DWORD pid = 0;
                ::GetWindowThreadProcessId(hwnd, &pid);
                char cls[32] = {};
                ::GetClassNameA(hwnd, cls, sizeof cls);
                // A message box is a dialog whose text sits in the static control 0xFFFF.
                HWND text = ::GetDlgItem(hwnd, 0xFFFF);
                if (pid != ::GetCurrentProcessId() || std::strcmp(cls, "#32770") != 0 || !text ||
                    !::IsWindowVisible(hwnd))
                    return TRUE;
                const std::string snapshot = self->m_snapshot ? self->m_snapshot() : std::string();
                {
                    std::lock_guard<std::mutex> lock(self->m_mutex);
                    self->m_texts.push_back(WindowText(text));
                    self->m_snapshots.push_back(snapshot);
                }
                ::PostMessageA(hwnd, WM_COMMAND, self->m_button, 0);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&context));
        ::Sleep(30);
    }
}

std::string WindowText(HWND hwnd) {
    char text[1024] = {};
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

DialogDriver::DialogDriver(const char* caption, std::function<void(HWND)> act)
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

DialogDriver::~DialogDriver() {
    if (m_thread.joinable()) m_thread.join();
}

bool DialogDriver::Finish() {
    if (m_thread.joinable()) m_thread.join();
    return m_found;
}

bool IsShownAndEnabled(HWND hwnd) { return ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd); }
bool IsHiddenAndDisabled(HWND hwnd) { return !::IsWindowVisible(hwnd) && !::IsWindowEnabled(hwnd); }

}  // namespace testbed
