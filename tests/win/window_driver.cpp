#include "window_driver.h"
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

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

MessageBoxAnswerer::MessageBoxAnswerer(std::function<std::string()> snapshot)
    : m_snapshot(std::move(snapshot)), m_thread([this] { Run(); }) {}

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
                const std::string boxText = WindowText(text);
                bool decline = self->m_decline;
                {
                    std::lock_guard<std::mutex> lock(self->m_mutex);
                    self->m_texts.push_back(boxText);
                    self->m_snapshots.push_back(snapshot);
                    if (!self->m_declinePart.empty() && boxText.find(self->m_declinePart) != std::string::npos)
                        decline = true;
                }
                const bool asks = ::GetDlgItem(hwnd, IDYES) != nullptr;
                const int button = asks ? (decline ? IDNO : IDYES) : IDOK;
                ::PostMessageA(hwnd, WM_COMMAND, button, 0);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&context));
        ::Sleep(30);
    }
}

std::string WindowText(HWND hwnd) {
    const int length = ::GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
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

std::string EnvPath(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string RecorderLog() { return ReadTextFile(EnvPath("QM_RECORDER_LOG")); }

namespace {
std::vector<MenuSnapshot::Item> ReadMenu(HMENU menu) {
    std::vector<MenuSnapshot::Item> items;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        ::GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        HMENU submenu = ::GetSubMenu(menu, i);
        items.push_back({text, submenu ? 0u : ::GetMenuItemID(menu, i), submenu ? ReadMenu(submenu) : std::vector<MenuSnapshot::Item>{}});
    }
    return items;
}
}  // namespace

MenuSpy::MenuSpy(HWND owner, DWORD timeoutMs)
    : m_thread([this, owner, timeoutMs] {
          struct MarkDone {
              std::atomic<bool>& done;
              ~MarkDone() { done = true; }
          } markDone{m_done};
          for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
              HWND menuWindow = ::FindWindowA("#32768", nullptr);
              DWORD pid = 0;
              if (menuWindow) ::GetWindowThreadProcessId(menuWindow, &pid);
              if (menuWindow && pid == ::GetCurrentProcessId() && ::IsWindowVisible(menuWindow)) {
                  HMENU menu = reinterpret_cast<HMENU>(::SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
                  if (menu) {
                      m_snapshot.items = ReadMenu(menu);
                      m_snapshot.shown = true;
                      // Ends the menu's modal loop on the owner's thread.
                      ::SendMessageA(owner, WM_CANCELMODE, 0, 0);
                      return;
                  }
              }
              ::Sleep(20);
          }
      }) {}

MenuSpy::~MenuSpy() {
    if (m_thread.joinable()) m_thread.join();
}

MenuSnapshot MenuSpy::Finish() {
    if (m_thread.joinable()) m_thread.join();
    return m_snapshot;
}

bool IsShownAndEnabled(HWND hwnd) { return ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd); }
bool IsHiddenAndDisabled(HWND hwnd) { return !::IsWindowVisible(hwnd) && !::IsWindowEnabled(hwnd); }

}  // namespace testbed
