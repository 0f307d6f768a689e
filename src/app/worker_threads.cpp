// Entry points of the share-loading and web-operation workers.
#include "app/quickmap_dlg.h"
#include "framework/app.h"
#include "framework/cursor.h"
#include "shares/share_page_loader.h"
#include "webmgmt/device_settings.h"
#include <memory>

UINT ShareThreadProc(LPVOID argument) {
    const std::unique_ptr<WorkerTicket> ticket(static_cast<WorkerTicket*>(argument));
    auto* window = dynamic_cast<CQuickmapDlg*>(AfxGetMainWnd());
    if (!window) return 0;
    LoadSharePage(*window, ticket->generation);
    NudgeMousePointer();
    if (!window->IsCurrentGeneration(ticket->generation)) return 0;
    window->WorkerFinished(ticket->generation);
    window->SetProgressAnimation(false);
    return 0;
}

UINT WebOperationThreadProc(LPVOID argument) {
    const std::unique_ptr<WorkerTicket> ticket(static_cast<WorkerTicket*>(argument));
    auto* window = dynamic_cast<CQuickmapDlg*>(AfxGetMainWnd());
    if (!window) return 0;
    // Types 1 and 2 are the share operations, which come with share management.
    if (ticket->argument == 3) SetUniqueDeviceName(*window);
    window->WorkerFinished(ticket->generation);
    return 0;
}
