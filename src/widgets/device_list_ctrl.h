// The appliance list of the wizard's device page; also the drop target for files and folders from the shell.
#pragma once
#include "framework/list_ctrl.h"
#include <shellapi.h>
#include <cstdint>
#include <string>

constexpr uint32_t DROP_ACCEPT_FILES = 0x01;
constexpr uint32_t DROP_ACCEPT_FOLDERS = 0x02;
constexpr uint32_t DROP_USE_CALLBACK = 0x20;

class CDeviceListCtrl;

// Called once per accepted dropped item; a non-zero result stops the batch.
using DropItemCallback = int (*)(CDeviceListCtrl* list, const std::string& path, uint32_t* itemType);

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

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void PreSubclassWindow() override;

private:
    void OnDropFiles(HDROP drop);

    uint32_t m_dropFlags = DROP_ACCEPT_FILES | DROP_ACCEPT_FOLDERS;
    DropItemCallback m_dropCallback = nullptr;
    bool m_oleInitialized = false;
    HIMAGELIST m_images = nullptr;
};
