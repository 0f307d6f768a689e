#include "widgets/device_list_ctrl.h"
#include "discovery/device_list_rows.h"
#include "framework/app.h"
#include "framework/com_apartment.h"
#include "framework/dpi.h"
#include "framework/thread.h"
#include "res/resource.h"
#include "widgets/device_images.h"
#include "widgets/device_list_layout.h"
#include "widgets/noted_row_paint.h"
#include <ole2.h>
#include <algorithm>
#include <shellapi.h>

namespace {
// Below kReflectedMessageBase; no list view message has this number.
constexpr UINT kMsgAppendWaitingRows = WM_APP + 0x40;
}  // namespace

CDeviceListCtrl::CDeviceListCtrl() {
    // Outside the program (a test's window) nothing may have started OLE on this thread yet.
    if (fw::ComApartment::OleStartedOnThisThread()) return;
    const HRESULT result = ::OleInitialize(nullptr);
    if (SUCCEEDED(result)) {
        m_oleInitialized = true;
    } else {
        ::MessageBoxA(nullptr, "OLE initialization failed.\n\nMake sure that the OLE libraries are the correct version.",
                      nullptr, MB_OK);
    }
}

CDeviceListCtrl::~CDeviceListCtrl() {
    if (m_oleInitialized) ::OleUninitialize();
}

bool CDeviceListCtrl::SetDropMode(const DropMode& mode) {
    if ((mode.flags & DROP_USE_CALLBACK) && !mode.callback) return false;
    m_dropFlags = mode.flags;
    m_dropCallback = mode.callback;
    return true;
}

void CDeviceListCtrl::SetUpColumnsAndImages(const std::string& nameHeading, const std::string& addressHeading,
                                            const std::string& macHeading, const std::string& searchingText) {
    InsertColumn(0, nameHeading, 0);
    InsertColumn(1, addressHeading, 0);
    InsertColumn(2, macHeading, 0);
    FitColumns();
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, static_cast<WPARAM>(-1), LVS_EX_FULLROWSELECT);
    // The list is ours and freed once, by our destructor: the control must not free it as well.
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, ::GetWindowLongPtrA(m_hWnd, GWL_STYLE) | LVS_SHAREIMAGELISTS);
    LoadImagesForDpi();
    InsertItem(0, searchingText, kImageSearching);
}

void CDeviceListCtrl::FitColumns() const {
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const DeviceListColumns widths = DeviceListColumnWidths(client.right - client.left);
    SendMessage(LVM_SETCOLUMNWIDTH, 0, widths.name);
    SendMessage(LVM_SETCOLUMNWIDTH, 1, widths.ipAddress);
    SendMessage(LVM_SETCOLUMNWIDTH, 2, widths.macAddress);
}

void CDeviceListCtrl::AppendRows(const std::vector<DeviceListRow>& rows) {
    const bool batchUnderway = !m_waitingRows.empty();
    m_waitingRows.insert(m_waitingRows.end(), rows.begin(), rows.end());
    if (!batchUnderway) AppendBatch();
}

void CDeviceListCtrl::AppendBatch() {
    const size_t count = std::min(kRowBatch, m_waitingRows.size());
    // Drawn row by row, a thousand rows hold the window for seconds.
    SendMessage(WM_SETREDRAW, FALSE);
    SendMessage(LVM_SETITEMCOUNT, static_cast<WPARAM>(GetItemCount()) + m_waitingRows.size());
    for (size_t n = 0; n < count; ++n) {
        const DeviceListRow& row = m_waitingRows.front();
        const int item = InsertItem(GetItemCount(), DeviceListRowText(row), row.image);
        SetItemText(item, 1, row.ipText);
        SetItemText(item, 2, row.macText);
        if (!row.note.empty()) {
            m_notedRows.push_back(row);
            LVITEMA data = {};
            data.mask = LVIF_PARAM;
            data.iItem = item;
            data.lParam = static_cast<LPARAM>(m_notedRows.size());
            SendMessage(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        }
        m_waitingRows.pop_front();
    }
    SendMessage(WM_SETREDRAW, TRUE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    if (!m_waitingRows.empty()) ::PostMessageA(m_hWnd, kMsgAppendWaitingRows, 0, 0);
}

void CDeviceListCtrl::CustomDraw(const NMLVCUSTOMDRAW& draw, LRESULT& result) const {
    result = CDRF_DODEFAULT;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) result = CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return;
    LVITEMA data = {};
    data.mask = LVIF_PARAM;
    data.iItem = static_cast<int>(draw.nmcd.dwItemSpec);
    if (!SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return;
    const size_t noted = static_cast<size_t>(data.lParam);
    if (noted == 0 || noted > m_notedRows.size()) return;
    PaintNotedRow(m_hWnd, draw, m_notedRows[noted - 1]);
    result = CDRF_SKIPDEFAULT;
}

void CDeviceListCtrl::LoadImagesForDpi() {
    // The old list goes only once the control holds the new one.
    fw::unique_himagelist images(LoadDeviceImages(fw::WindowDpi(m_hWnd)));
    SetImageList(images.get(), LVSIL_SMALL);
    m_images = std::move(images);
}

void CDeviceListCtrl::PreSubclassWindow() {
    // The template created the window, so WM_CREATE never reached us: register for drops now.
    ::DragAcceptFiles(m_hWnd, TRUE);
}

namespace {
// Posted to the list by a drop reader when its drop has been read.
constexpr UINT UM_DROP_READ = WM_APP + 0x51;

struct DropReaderJob {
    std::shared_ptr<DropRead> drop;
    HWND list;
};

UINT DropReaderThread(LPVOID param) {
    const fw::ComApartment apartment;
    const std::unique_ptr<DropReaderJob> job(static_cast<DropReaderJob*>(param));
    ReadDrop(*job->drop);
    job->drop->done = true;
    ::PostMessageW(job->list, UM_DROP_READ, 0, 0);
    return 0;
}
}  // namespace

LRESULT CDeviceListCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kMsgAppendWaitingRows) {
        if (!m_waitingRows.empty()) AppendBatch();
        return 0;
    }
    if (msg == LVM_DELETEALLITEMS) {
        m_waitingRows.clear();
        m_notedRows.clear();
    }
    if (msg == WM_DROPFILES) {
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    }
    if (msg == fw::kDpiChangedAfterParent && m_images) LoadImagesForDpi();
    if (msg == WM_SIZE && m_images) {  // the columns are set up
        // A vertical scroll bar narrows the rows: the columns follow, rather than a horizontal one
        // hiding a row and the end of every name.
        const LRESULT result = CListCtrl::WindowProc(msg, wParam, lParam);
        FitColumns();
        return result;
    }
    if (msg == UM_DROP_READ) {
        DeliverReadDrops();
        return 0;
    }
    return CListCtrl::WindowProc(msg, wParam, lParam);
}

void CDeviceListCtrl::OnDropFiles(HDROP drop) {
    auto read = std::make_shared<DropRead>();
    read->acceptFlags = m_dropFlags;
    const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index) {
        // Read at the name's own length: a cut-off name could stand for another existing file.
        const UINT length = ::DragQueryFileW(drop, index, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(::DragQueryFileW(drop, index, path.data(), length + 1));
        read->names.push_back(path);
    }
    ::DragFinish(drop);
    m_dropsBeingRead.push_back(read);
    auto* job = new DropReaderJob{read, m_hWnd};
    if (!AfxBeginThread(&DropReaderThread, job)) {
        // Without a thread the drop is read here, late rather than never.
        delete job;
        ReadDrop(*read);
        read->done = true;
        DeliverReadDrops();
    }
}

void CDeviceListCtrl::DeliverReadDrops() {
    // A message box of the callback runs a message loop; the drop after it waits until this one is done.
    if (m_bDelivering) return;
    m_bDelivering = true;
    while (!m_dropsBeingRead.empty() && m_dropsBeingRead.front()->done) {
        const std::shared_ptr<DropRead> drop = m_dropsBeingRead.front();
        m_dropsBeingRead.pop_front();
        for (DroppedItem item : drop->items) {
            if ((m_dropFlags & DROP_USE_CALLBACK) && m_dropCallback && m_dropCallback(this, item.path, &item.itemType) != 0)
                break;
        }
        if (m_dropCallback) {
            uint32_t endOfBatch = 0;
            m_dropCallback(this, std::wstring(), &endOfBatch);
        }
    }
    m_bDelivering = false;
}
