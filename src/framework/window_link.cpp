#include "framework/window_link.h"

CWindowLink::CWindowLink(HWND window, UINT message)
    : m_hWnd(window), m_message(message), m_threadId(::GetWindowThreadProcessId(window, nullptr)) {}

bool CWindowLink::Enqueue(Item item) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_closed) return false;
        m_queue.push_back(std::move(item));
    }
    // One nudge per item; RunPending drains all, so a nudge that finds the queue empty is harmless.
    ::PostMessageA(m_hWnd, m_message, 0, 0);
    return true;
}

bool CWindowLink::Post(std::function<void()> work) { return Enqueue({std::move(work), nullptr}); }

bool CWindowLink::Call(const std::function<void()>& work) {
    if (::GetCurrentThreadId() == m_threadId) {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_closed) return false;
        }
        work();
        return true;
    }
    auto completion = std::make_shared<Completion>();
    if (!Enqueue({work, completion})) return false;
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [&] { return completion->done || m_closed; });
    return completion->done;
}

void CWindowLink::RunPending() {
    for (;;) {
        Item item;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_closed || m_queue.empty()) return;
            item = std::move(m_queue.front());
            m_queue.pop_front();
        }
        // Work may run a modal loop that calls RunPending again; each item is taken out before it runs.
        item.work();
        if (item.completion) {
            std::lock_guard<std::mutex> lock(m_mutex);
            item.completion->done = true;
            m_changed.notify_all();
        }
    }
}

void CWindowLink::Close() {
    std::deque<Item> dropped;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
        dropped.swap(m_queue);
        m_changed.notify_all();
    }
    // Dropped work is destroyed outside the lock: it may hold the last reference to something that locks.
}
