// The share page filled for the simulated appliance the test bed started, and ten ticked folders mapped.
// Usage: bench_shares.exe fill <shares expected> | map <folders>
// Prints "shares=N shown=M seconds=S" or "mapped=N seconds=S".
#include "framework/app.h"
#include "framework/message_reflection.h"
#include "platform/wnet_table.h"
#include "shares/drive_mapping.h"
#include "shares/mapped_drives.h"
#include "shares/share_tree_ctrl.h"
#include <objbase.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
CWinApp g_benchApp("Quickmap share bench");

class TreeWindow : public CWnd {
public:
    TreeWindow() {
        CreateEx(0, "Share bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 500, nullptr, nullptr);
        const HWND tree = ::CreateWindowExA(0, WC_TREEVIEWA, "",
                                            WS_CHILD | WS_VISIBLE | TVS_HASLINES | TVS_SHOWSELALWAYS | TVS_CHECKBOXES,
                                            0, 0, 380, 460, m_hWnd, nullptr, nullptr, nullptr);
        m_tree.SubclassWindow(tree);
    }
    CShareTreeCtrl m_tree;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        LRESULT result = 0;
        if (ReflectChildNotification(msg, wParam, lParam, result)) return result;
        return CWnd::WindowProc(msg, wParam, lParam);
    }
};

// Answers every question with Yes and every password prompt with nothing, on the bench's own thread.
class BenchHost : public WizardHost {
public:
    bool RunOnWindow(const std::function<void()>& work) override {
        work();
        return true;
    }
    int ShowMessage(const std::string&, unsigned) override { return IDYES; }
    void ReportFailure(unsigned) override {}
    void SetProgressAnimation(bool) override {}
    std::optional<AdminCredentials> PromptAdminCredentials(const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> PromptSharePassword(const std::string&) override { return std::nullopt; }
    void ReloadSharePage() override {}
};

double SecondsSince(ULONGLONG start) { return double(::GetTickCount64() - start) / 1000.0; }

ShareListing Listing() {
    ShareServerQuery query;
    query.deviceName = "QX-Harborbox";
    query.ipText = "10.77.0.2";
    query.assignMode = true;
    query.drives = ScanMappedDrives();
    return EnumerateShares(query);
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    AfxSetInstanceHandle(::GetModuleHandleA(nullptr));
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const int count = std::atoi(argv[2]);
    TreeWindow window;
    if (std::strcmp(argv[1], "fill") == 0) {
        // From asking the network to the folders shown, as the page does it.
        const ULONGLONG start = ::GetTickCount64();
        window.m_tree.ShowListing(Listing());
        ::UpdateWindow(window.m_tree.m_hWnd);
        const double seconds = SecondsSince(start);
        const int shown = static_cast<int>(window.m_tree.GetCount()) - 1;
        std::printf("shares=%d shown=%d seconds=%.3f\n", count, shown, seconds);
        return shown == count ? 0 : 1;
    }
    window.m_tree.ShowListing(Listing());
    const HTREEITEM server = window.m_tree.GetRootItem();
    int ticked = 0;
    for (HTREEITEM item = window.m_tree.GetChildItem(server); item && ticked < count;
         item = window.m_tree.GetNextSiblingItem(item), ++ticked)
        window.m_tree.SetCheck(item, true);
    window.m_tree.SetCheck(server, true);
    BenchHost host;
    const ULONGLONG start = ::GetTickCount64();
    const MappingOutcome outcome = MapCheckedShares(window.m_tree.TickedFolders(), host);
    const double seconds = SecondsSince(start);
    std::printf("mapped=%d seconds=%.3f\n", static_cast<int>(outcome.drives.size()), seconds);
    for (const MappedDrive& drive : outcome.drives) {
        const char device[] = {drive.letter, ':', '\0'};
        WNet().WNetCancelConnection2A(device, CONNECT_UPDATE_PROFILE, TRUE);
    }
    return outcome.result.outcome == Outcome::Failed ? 1 : 0;
}
