// Keeps a window thread responsive inside a long synchronous operation.
#pragma once
#include <windows.h>

// Dispatches every message waiting in the calling thread's queue. Returns 0 when the application is quitting
// (the quit message is posted again for the main loop to see), otherwise 1.
BOOL PumpPendingMessages();
