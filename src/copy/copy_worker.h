// The copy worker: copies the queue's batches in drop order, item by item, and tells the user once per
// batch which items did not arrive. It reaches the window only through WizardHost and one posted command.
#pragma once
#include <windows.h>

// Argument: a heap-allocated std::shared_ptr<CopyQueueState>, freed by the worker. Returns 0.
UINT CopyWorkerThread(LPVOID state);
