// The wizard window as drop target: files and folders dropped on the device list go to the chosen
// appliance through the copy queue, which the window owns.
#include "app/quickmap_dlg.h"
#include "app/wizard_link.h"
#include "copy/copy_queue.h"
#include "discovery/device_address.h"
#include "framework/resource_strings.h"
#include "res/resource.h"

void CQuickmapDlg::SetUpCopyDrop() {
    m_copyQueue = std::make_unique<CCopyQueue>(m_link, m_hWnd);
    m_deviceList.SetDropMode({DROP_ACCEPT_FILES | DROP_ACCEPT_FOLDERS | DROP_USE_CALLBACK,
                              [this](CDeviceListCtrl*, const std::wstring& path, uint32_t* itemType) {
                                  return m_copyQueue->CopyDroppedItem(path, *itemType,
                                                                      [this] { return ChooseDropDevice(); });
                              }});
}

std::string CQuickmapDlg::ChooseDropDevice() {
    // While a scan runs the list shows no appliance; with several and none selected the user must choose.
    if (m_state.IsScanning() || m_state.ChooseDevice() != DeviceChoice::Chosen) {
        ShowMessage(LoadResString(IDS_SELECT_DEVICE_FIRST), MB_OK | MB_ICONINFORMATION);
        return std::string();
    }
    // The copy queue builds its destination paths from this: the name only when it is safe and leads here.
    return DeviceAddressName(m_state.Registry(), *m_state.SelectedEntry());
}

bool CQuickmapDlg::ConfirmQuitWhileCopying() { return m_copyQueue->ConfirmQuit(); }

void CQuickmapDlg::StopCopyingForQuit() {
    // The worker stops at its next piece and removes its partial file; the process must be gone within 2 s.
    m_copyQueue->CancelAllAndWait(1500);
}
