// The user-interface thread of the copy progress windows: one window per batch, in drop order, for
// as long as batches are being copied.
#pragma once
#include <windows.h>

// Argument: a heap-allocated std::shared_ptr<CopyQueueState>, freed by the thread. Returns 0.
UINT CopyProgressThread(LPVOID state);
