// Keeps a window thread responsive inside a long synchronous operation.
#pragma once
#include <windows.h>

// Translates and dispatches one message, with the keyboard handling modeless dialogs need (Tab, Enter, Escape).
void DispatchWithDialogKeys(MSG& msg);

// Dispatches every message waiting in the calling thread's queue. Returns 0 when the application is quitting
// (the quit message is posted again for the main loop to see), otherwise 1.
BOOL PumpPendingMessages();
