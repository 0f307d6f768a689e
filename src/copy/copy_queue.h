// Dropped items on their way to an appliance. The window hands each drop's items over and gets control
// back at once; one worker copies the batches in drop order, so a drop made while another is copied waits
// behind it. Each batch has its own progress window, its own Cancel and its own report of what failed.
#pragma once
#include "common/wizard_host.h"
#include "copy/copy_queue_state.h"
#include "framework/thread.h"
#include "res/command_ids.h"
#include <windows.h>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CCopyQueue {
public:
    // `host` hears of failures; `window` gets ID_COPY_STARTED. Workers keep both as long as they run.
    CCopyQueue(std::shared_ptr<WizardHost> host, HWND window);

    // The drop callback's work, on the window's thread. `chooseDevice` runs on the first item of a drop and
    // gives the destination appliance's name, or empty when there is none (after telling the user); the
    // drop then stops. Returns 0 to go on with the drop, -1 to stop it (and for the end-of-batch call).
    int CopyDroppedItem(const std::wstring& path, uint32_t itemType, const std::function<std::string()>& chooseDevice);

    // The window's handling of ID_COPY_STARTED: opens the progress window unless one is open.
    void OnCopyStarted();

    // True while any batch is still to be copied or being copied.
    bool IsBusy() const;

    // Before quitting where a person can answer: while a copy runs, asks whether to stop it. True when
    // nothing runs or the user agreed.
    bool ConfirmQuit() const;

    // Quitting: cancels every batch, takes no new drop, and waits at most `timeoutMs` for the worker to stop
    // at its next piece (its partial file removed). True when it has stopped.
    bool CancelAllAndWait(DWORD timeoutMs);

private:
    void StartWorkerIfIdle();
    // Starts `proc` with the shared state unless the thread that `running` marks is already there.
    void StartThreadOnce(bool CopyQueueState::*running, AFX_THREADPROC proc);

    std::shared_ptr<CopyQueueState> m_state;
    std::shared_ptr<CopyBatch> m_openBatch;  // the batch of the drop being read; window thread only
    std::string m_deviceName;                // chosen for the drop being read
};
