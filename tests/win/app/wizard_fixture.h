// A real wizard window for in-process tests, with the first scan held back so each test lists its own appliances
// (handed to the window as a scan's result).
#pragma once
#include "app/quickmap_app.h"
#include "app/quickmap_dlg.h"
#include "discovery/datagram.h"
#include "discovery/remembered_store.h"
#include "framework/app.h"
#include "framework/com_apartment.h"
#include "res/resource.h"
#include "shares/drives_and_shortcuts.h"
#include "window_driver.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

class WizardFixture : public testing::Test {
protected:
    void SetUp() override {
        // Answers every box of the test and of its tear-down; each answer keeps the status line as it was.
        m_boxes = std::make_unique<testbed::MessageBoxAnswerer>([this] { return Status(); });
        // The Wine prefix outlives the test: no appliance remembered by an earlier one is listed or asked.
        SaveRememberedAppliances(RememberedAppliances{});
        OpenWindow();
    }

    void TearDown() override {
        CloseWindow();
        SaveRememberedAppliances(RememberedAppliances{});
        m_boxes.reset();
    }

    void OpenWindow() {
        m_window = new CQuickmapDlg(nullptr);
        ASSERT_NE(m_window->m_hWnd, nullptr);
        m_hwnd = m_window->m_hWnd;
        ::KillTimer(m_hwnd, ID_TIMER_FIRST_SCAN);
        AfxGetApp()->m_pMainWnd = m_window;
        m_window->ShowWindow(SW_SHOWNOACTIVATE);  // activating costs seconds on a display without a window manager
    }

    void CloseWindow() {
        testbed::PumpUntil([&] { return !m_window->State().IsScanning() && !m_window->State().IsBusy(); }, 10000);
        AfxGetApp()->m_pMainWnd = nullptr;
        ::DestroyWindow(m_hwnd);  // the window deletes its object
        testbed::PumpFor(50);
    }

    // Lists one more appliance; a test that changes the entry afterwards lists again with List().
    DeviceEntry& AddDevice(const std::string& name, const std::string& ip) {
        DeviceEntry entry{};
        CopyToField(entry.name, name.c_str(), name.size());
        CopyToField(entry.ipText, ip.c_str(), ip.size());
        m_listed.devices.push_back(entry);
        m_listed.deviceCount = static_cast<int>(m_listed.devices.size());
        List();
        return m_listed.devices.back();
    }
    void List() { m_window->OnScanFinished(m_listed, ScanPurpose::DeviceList); }
    // The list selects its first row when filled; the user can take that back.
    void Unselect() { DeviceList().SetItemState(-1, 0, LVIS_SELECTED); }

    HWND Control(int id) const { return ::GetDlgItem(m_hwnd, id); }
    CDeviceListCtrl& DeviceList() const {
        return *dynamic_cast<CDeviceListCtrl*>(CWnd::FromHandle(Control(IDC_DEVICE_LIST)));
    }
    CShareTreeCtrl& ShareTree() const {
        return *dynamic_cast<CShareTreeCtrl*>(CWnd::FromHandle(Control(IDC_SHARE_TREE)));
    }
    std::string Text(int id) const { return testbed::WindowText(Control(id)); }
    std::string Status() const { return Text(IDC_STATUS_LINE); }
    void Click(int id) { ::SendMessageA(m_hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    bool WaitForWorker(DWORD ms = 5000) {
        return testbed::PumpUntil([&] { return !m_window->State().IsBusy(); }, ms);
    }
    // The share page is loaded by a worker a moment after the move.
    void EnterSharePageAndLoad() {
        Click(IDC_NEXT);
        testbed::PumpUntil([&] { return ShareTree().GetRootItem() != nullptr; });
        WaitForWorker();
    }

    std::unique_ptr<testbed::MessageBoxAnswerer> m_boxes;
    DeviceRegistry m_listed;
    CQuickmapDlg* m_window = nullptr;
    HWND m_hwnd = nullptr;
};

// A wizard test that connects drive letters and makes shortcuts: it starts and ends with none of its own.
class DriveWizardFixture : public WizardFixture {
protected:
    const fw::ComApartment m_apartment;  // the shortcuts are made on this thread
    void SetUp() override {
        testbed::ForgetDrivesAndShortcuts();
        WizardFixture::SetUp();
    }
    void TearDown() override {
        WizardFixture::TearDown();
        testbed::ForgetDrivesAndShortcuts();
    }
};
