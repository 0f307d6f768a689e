// Hands work from any thread to the thread of one window. The window and every worker it started share the
// link, so the link outlives whichever ends last: once the window closes it, waiting callers are released with
// "cancelled" and later work is refused, and nothing a worker can still reach has been freed.
#pragma once
#include <windows.h>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

class CWindowLink {
public:
    // `message` is posted to `window` whenever work is queued; its handler calls RunPending.
    CWindowLink(HWND window, UINT message);
    CWindowLink(const CWindowLink&) = delete;
    CWindowLink& operator=(const CWindowLink&) = delete;

    // Queues `work` for the window's thread without waiting. False when the window is gone.
    bool Post(std::function<void()> work);
    // Runs `work` on the window's thread and waits until it has run; at once on that thread itself.
    // False, with `work` not run, when the window is gone before it ran.
    bool Call(const std::function<void()>& work);

    // Window thread: runs what is queued, in order.
    void RunPending();
    // Window thread: refuses further work, drops what is queued and releases every waiting caller.
    void Close();

private:
    struct Completion {
        bool done = false;
    };
    struct Item {
        std::function<void()> work;
        std::shared_ptr<Completion> completion;  // empty for posted work
    };
    bool Enqueue(Item item);

    const HWND m_hWnd;
    const UINT m_message;
    const DWORD m_threadId;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Item> m_queue;
    bool m_closed = false;
};
