#include "drop_test_window.h"
#include "file_drop.h"
#include "res/resource_copy.h"
#include "window_driver.h"

bool RecordingHost::RunOnWindow(const std::function<void()>& work) {
    work();
    return true;
}

int RecordingHost::ShowMessage(const std::string& text, unsigned) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_messages.push_back(text);
    return IDOK;
}

std::vector<std::string> RecordingHost::Messages() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_messages;
}

DropTestWindow::DropTestWindow(const std::vector<std::string>& appliances) {
    CreateEx(0, "Drop test", WS_POPUP | WS_VISIBLE, 40, 40, 420, 160, nullptr, nullptr);
    HWND list = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL, 0, 0, 420,
                                  160, m_hWnd, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    m_list.SubclassWindow(list);
    m_list.InsertColumn(0, "Device Name", 200);
    for (size_t row = 0; row < appliances.size(); ++row)
        m_list.InsertItem(static_cast<int>(row), appliances[row], 3);
    m_queue = std::make_unique<CCopyQueue>(m_host, m_hWnd);
    testbed::PumpFor(50);
}

DropTestWindow::~DropTestWindow() {
    WaitUntilCopied();
    ::DestroyWindow(m_list.m_hWnd);
    DestroyWindow();
    testbed::PumpFor(50);
}

void DropTestWindow::InstallCopyCallback() {
    CCopyQueue* queue = m_queue.get();
    m_copying = true;
    m_list.SetDropMode({DROP_ACCEPT_FILES | DROP_ACCEPT_FOLDERS | DROP_USE_CALLBACK,
                        [this, queue](CDeviceListCtrl* list, const std::wstring& path, uint32_t* itemType) {
                            if (path.empty()) ++m_dropsEnded;
                            return queue->CopyDroppedItem(path, *itemType, [list] { return list->GetItemText(0, 0); });
                        }});
}

void DropTestWindow::PostDrop(const std::vector<std::string>& paths) {
    if (m_copying) ++m_dropsPosted;
    PostFileDrop(m_list.m_hWnd, paths);
}

void DropTestWindow::PostDrop(const std::vector<std::wstring>& paths) {
    if (m_copying) ++m_dropsPosted;
    PostWideFileDrop(m_list.m_hWnd, paths);
}

bool DropTestWindow::WaitUntilCopied(DWORD timeoutMs) const {
    // The posted drops are read on a worker first.
    return testbed::PumpUntil([this] { return m_dropsEnded == m_dropsPosted && !m_queue->IsBusy(); }, timeoutMs);
}

LRESULT DropTestWindow::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && LOWORD(wParam) == ID_COPY_STARTED) {
        m_queue->OnCopyStarted();
        return 0;
    }
    return CWnd::WindowProc(msg, wParam, lParam);
}

HWND FindCopyProgressWindow() {
    struct Search {
        HWND found = nullptr;
    } search;
    ::EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            DWORD process = 0;
            ::GetWindowThreadProcessId(hwnd, &process);
            if (process != ::GetCurrentProcessId() || !::GetDlgItem(hwnd, IDC_COPY_STATUS) ||
                !::GetDlgItem(hwnd, IDC_COPY_ANIMATION))
                return TRUE;
            reinterpret_cast<Search*>(param)->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}
