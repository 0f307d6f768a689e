// The records of the copy queue: one dropped item to copy, and one drop's batch of them.
#pragma once
#include "copy/copy_progress.h"
#include <atomic>
#include <string>
#include <vector>

struct CopyJob {
    std::wstring source;       // the dropped path, shortcuts already resolved
    std::wstring destination;  // the destination folder on the appliance
};

// Items of one drop. The queue's lock guards `jobs`, `ended` and `windowShown`; the others guard themselves.
struct CopyBatch {
    std::vector<CopyJob> jobs;
    bool ended = false;               // the drop's end-of-batch call has come
    bool windowShown = false;         // it has had its progress window
    std::atomic<bool> finished{false};  // its worker is done with it (its window polls this)
    CopyProgress progress;
};
