// The window stays the only owner of its state while workers run: it keeps answering during slow network
// waits, applies their results where they belong, and a worker that asks after the window is gone gets
// "cancelled".
#include "app/app_globals.h"
#include "app/tray_icon.h"
#include "app/wizard_link.h"
#include "test_bed.h"
#include "wizard_fixture.h"
#include <winsock2.h>
#include <algorithm>
#include <atomic>
#include <ctime>
#include <thread>

namespace {
using testbed::RecorderLog;

// Measures, from its own thread, how long the window takes to answer a message, while the test pumps.
class ResponsivenessProbe {
public:
    explicit ResponsivenessProbe(HWND window)
        : m_thread([this, window] {
              while (!m_stop) {
                  const ULONGLONG start = ::GetTickCount64();
                  DWORD_PTR result = 0;
                  const bool answered = ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result);
                  const ULONGLONG took = answered ? ::GetTickCount64() - start : 2000;
                  m_slowest = std::max<ULONGLONG>(m_slowest, took);
                  ++m_probes;
                  ::Sleep(50);
              }
              m_finished = true;
          }) {}
    ~ResponsivenessProbe() { Stop(); }
    // Called on the window's thread, which must go on answering the probe still in flight.
    void Stop() {
        m_stop = true;
        testbed::PumpUntil([this] { return m_finished.load(); }, 5000);
        if (m_thread.joinable()) m_thread.join();
    }
    ULONGLONG Slowest() const { return m_slowest; }
    int Probes() const { return m_probes; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_finished{false};
    std::atomic<ULONGLONG> m_slowest{0};
    std::atomic<int> m_probes{0};
    std::thread m_thread;
};

ULONGLONG MillisecondsOf(const std::function<void()>& action) {
    const ULONGLONG start = ::GetTickCount64();
    action();
    return ::GetTickCount64() - start;
}
}  // namespace

class WindowThreads : public WizardFixture {
protected:
    void ListAppliance(const std::string& name, const std::string& ip) {
        AddDevice(name, ip).ipAddress = ::inet_addr(ip.c_str());
        List();
    }
    void TearDown() override {
        g_strLanguage = "English";
        WizardFixture::TearDown();
    }
};

TEST_F(WindowThreads, ManageAgainstASlowApplianceKeepsTheWindowAnswering) {
    ListAppliance("Office", "10.77.0.2");
    g_strLanguage = "German";
    const size_t before = RecorderLog().size();
    ResponsivenessProbe probe(m_hwnd);
    EXPECT_LT(MillisecondsOf([&] { m_window->OpenWebManager(); }), 200u);
    // The language page (3 s) comes first; the browser opens only after it.
    ASSERT_TRUE(testbed::PumpUntil([&] { return RecorderLog().find("http://10.77.0.2", before) != std::string::npos; },
                                   15000));
    probe.Stop();
    EXPECT_GT(probe.Probes(), 20);
    EXPECT_LT(probe.Slowest(), 200u);
    EXPECT_EQ(testbed::SimLogCount("processlangupdate.asp?language=German"), 1u);
}

class WindowThreadsTray : public WindowThreads {};

TEST_F(WindowThreadsTray, RescanFromTheTrayKeepsTheWindowAnsweringAndListAndRegistryAgree) {
    // A list from long ago, in another order than the appliances that answer now.
    ListAppliance("Zeta", "10.77.0.4");
    ListAppliance("Omega", "10.77.0.3");
    m_listed.scanStartTime = 0;
    List();

    testbed::MenuSpy spy(m_hwnd, 15000);
    ResponsivenessProbe probe(m_hwnd);
    EXPECT_LT(MillisecondsOf([&] { ::SendMessageA(m_hwnd, WM_TRAY_CALLBACK, ID_TRAY_ICON, WM_RBUTTONUP); }), 200u);
    testbed::PumpUntil([&] { return spy.Done(); }, 16000);
    const testbed::MenuSnapshot menu = spy.Finish();
    probe.Stop();
    EXPECT_LT(probe.Slowest(), 200u);
    ASSERT_TRUE(menu.shown);
    ASSERT_GE(menu.items.size(), 5u);
    EXPECT_EQ(menu.items[2].text, "Alpha");  // the menu came after the rescan

    CDeviceListCtrl& list = DeviceList();
    ASSERT_EQ(list.GetItemCount(), 3);
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(row);
        const std::string shown = list.GetItemText(row, 1);
        list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        const size_t before = RecorderLog().size();
        m_window->OpenWebManager();
        ASSERT_TRUE(testbed::PumpUntil([&] { return RecorderLog().find("http://", before) != std::string::npos; }));
        const std::string opened = RecorderLog().substr(before);
        EXPECT_NE(opened.find("http://" + shown), std::string::npos) << opened;
    }
}

class WindowThreadsCrowd : public WindowThreads {};

TEST_F(WindowThreadsCrowd, TenThousandRepliesInOneExchangeListTheBoundWhileTheWindowAnswers) {
    ResponsivenessProbe probe(m_hwnd);
    m_window->StartScan(true);
    ASSERT_TRUE(testbed::PumpUntil([&] { return !m_window->State().IsScanning(); }, 15000));
    testbed::PumpFor(300);  // the probe also sees the list being filled
    probe.Stop();
    EXPECT_GT(probe.Probes(), 15);
    EXPECT_LT(probe.Slowest(), 200u);
    EXPECT_EQ(DeviceList().GetItemCount(), 1024);
    EXPECT_GT(m_window->State().Registry().scanReport.repliesIgnored, 0);
}

TEST_F(WindowThreadsCrowd, RowsBeyondOneBatchFollowInOrderAndAClearedListTakesNoneOfThem) {
    CDeviceListCtrl& list = DeviceList();
    list.DeleteAllItems();
    std::vector<DeviceListRow> rows;
    for (int i = 0; i < 1000; ++i) rows.push_back({"Box-" + std::to_string(i), "10.77.0.2", "00-11-32-AA-00-00", 3});
    list.AppendRows(rows);
    EXPECT_EQ(list.GetItemCount(), int(CDeviceListCtrl::kRowBatch));
    ASSERT_TRUE(testbed::PumpUntil([&] { return list.GetItemCount() == 1000; }));
    for (int item : {0, 255, 256, 999}) EXPECT_EQ(list.GetItemText(item, 0), "Box-" + std::to_string(item));

    list.DeleteAllItems();
    list.AppendRows(rows);
    list.DeleteAllItems();  // a new scan's list
    list.AppendRows({rows.back()});
    testbed::PumpFor(300);
    ASSERT_EQ(list.GetItemCount(), 1);
    EXPECT_EQ(list.GetItemText(0, 0), "Box-999");
}

TEST(WindowLink, AWorkerIsAnsweredWhileTheWindowLivesAndCancelledOnceItIsGone) {
    testbed::MessageBoxAnswerer boxes;
    auto* window = new CQuickmapDlg(nullptr);
    const HWND hwnd = window->m_hWnd;
    ASSERT_NE(hwnd, nullptr);
    ::KillTimer(hwnd, ID_TIMER_FIRST_SCAN);
    const std::shared_ptr<CWizardLink> link = window->Link();

    std::atomic<int> answer{-1};
    std::thread asking([&] { answer = link->ShowMessage("Still there?", MB_OK); });
    EXPECT_TRUE(testbed::PumpUntil([&] { return answer != -1; }));
    asking.join();
    EXPECT_EQ(answer, IDOK);
    EXPECT_TRUE(boxes.Saw("Still there?"));

    // A worker already waiting when the window goes is released with "cancelled".
    std::atomic<bool> released{false};
    std::optional<AdminCredentials> typed = AdminCredentials{"x", "y"};
    std::thread waiting([&] {
        typed = link->PromptAdminCredentials("QX-Harborbox");
        released = true;
    });
    ::Sleep(100);  // queued, not yet run: this thread does not pump
    ::DestroyWindow(hwnd);
    waiting.join();
    EXPECT_TRUE(released);
    EXPECT_FALSE(typed);

    // Later requests are refused at once, and results are dropped without touching the freed window.
    std::thread late([&] {
        EXPECT_EQ(link->ShowMessage("Anyone?", MB_OK), 0);
        EXPECT_FALSE(link->PromptSharePassword("\\\\QX-Harborbox\\Private"));
        EXPECT_FALSE(link->RunOnWindow([] {}));
        link->Deliver([](CQuickmapDlg& gone) { gone.FillDeviceList(); });
        link->SetProgressAnimation(true);
    });
    late.join();
    testbed::PumpFor(100);
    EXPECT_FALSE(boxes.Saw("Anyone?"));
}
