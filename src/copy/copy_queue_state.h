// What the copy queue shares with its worker and progress threads. It lives as long as the last of them
// holds it, so a worker that outlives the window still finds everything it reaches.
#pragma once
#include "common/wizard_host.h"
#include "copy/copy_job.h"
#include <windows.h>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>

struct CopyQueueState {
    CopyQueueState(std::shared_ptr<WizardHost> host, HWND window)
        : host(std::move(host)), window(window), locale(::GetThreadLocale()) {}

    const std::shared_ptr<WizardHost> host;
    const HWND window;   // told of each batch's start; owns the progress windows
    const LCID locale;   // the window thread's, so the other threads load the same language's resources

    std::mutex mutex;
    std::condition_variable changed;  // a batch got an item or its end, or the worker stopped
    std::deque<std::shared_ptr<CopyBatch>> batches;  // in drop order; the first is being copied
    bool workerRunning = false;
    bool progressRunning = false;
    bool quitting = false;  // the program is ending: no new batch
};
