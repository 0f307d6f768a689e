// The appliance list of the wizard's device page; also the drop target for files and folders from the shell.
#pragma once
#include "discovery/device_list_rows.h"
#include "framework/handles.h"
#include "widgets/drop_items.h"
#include "framework/list_ctrl.h"
#include <shellapi.h>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDeviceListCtrl;

// Called once per accepted dropped item (a non-zero result stops the batch), then once more with an empty
// path and item type 0 at the end of every drop, on the list's thread once the drop has been read. It may
// carry whatever context its owner gives it.
using DropItemCallback = std::function<int(CDeviceListCtrl* list, const std::wstring& path, uint32_t* itemType)>;

struct DropMode {
    uint32_t flags;
    DropItemCallback callback;
};

class CDeviceListCtrl : public CListCtrl {
public:
    CDeviceListCtrl();
    ~CDeviceListCtrl() override;

    // Refused (false, mode kept) when the callback is asked for but missing.
    bool SetDropMode(const DropMode& mode);
    DropMode GetDropMode() const { return {m_dropFlags, m_dropCallback}; }

    // Columns, image list and the first "searching" row, for a list of the given client width.
    void SetUpColumnsAndImages(const std::string& nameHeading, const std::string& addressHeading,
                               const std::string& macHeading, const std::string& searchingText);

    // Appends the rows (name, address, MAC, image): the first kRowBatch at once, any more in later
    // batches through the window's own messages, each drawn once, so a thousand rows never hold the
    // window. Deleting all items drops the rows still waiting.
    void AppendRows(const std::vector<DeviceListRow>& rows);

    static constexpr size_t kRowBatch = 128;  // about 40 ms of the window thread on a quiet machine

    // The list's NM_CUSTOMDRAW, which goes to its parent: the parent hands it here and answers `result`.
    // Rows with a note are drawn by the list itself; every other row is left to the control.
    void CustomDraw(const NMLVCUSTOMDRAW& draw, LRESULT& result) const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;

private:
    // The strip drawn for the list's DPI, replacing the one it had.
    void LoadImagesForDpi();
    // Shares the visible width out among the columns.
    void FitColumns() const;
    void OnDropFiles(HDROP drop);
    void AppendBatch();
    // Hands the drops that have been read on to the callback, in the order they were made.
    void DeliverReadDrops();

    uint32_t m_dropFlags = DROP_ACCEPT_FILES | DROP_ACCEPT_FOLDERS;
    DropItemCallback m_dropCallback;
    std::deque<std::shared_ptr<DropRead>> m_dropsBeingRead;  // in drop order
    bool m_bDelivering = false;
    bool m_oleInitialized = false;
    fw::unique_himagelist m_images;
    std::deque<DeviceListRow> m_waitingRows;
    // Rows with a note, by the item's data less one (0: no note).
    std::vector<DeviceListRow> m_notedRows;
};
