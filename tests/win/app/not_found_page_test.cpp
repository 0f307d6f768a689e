// The device page when nothing answered, on one subnet whose appliance stays silent: the status line gives
// the counts, and the help names the adapter, the broadcasts and what to try.
#include "app/help_dlg.h"
#include "wizard_fixture.h"
#include <richedit.h>

class NotFoundPage : public WizardFixture {
protected:
    static std::string HelpText() {
        const HWND window = ::FindWindowA(nullptr, "Harborbox Quickmap Help");
        return testbed::WindowText(::FindWindowExA(window, nullptr, RICHEDIT_CLASSA, nullptr));
    }
};

TEST_F(NotFoundPage, NamesTheAdapterTheBroadcastsAndTheCounts) {
    ASSERT_TRUE(m_window->StartScan(true));
    testbed::PumpUntil([&] { return !m_window->State().IsScanning(); }, 10000);
    const ScanReport& report = m_window->State().Registry().scanReport;
    ASSERT_EQ(report.localAddresses.size(), 1u);
    ASSERT_GT(report.datagramsSent, 0);
    const std::string sent = std::to_string(report.datagramsSent);

    EXPECT_EQ(DeviceList().GetItemText(0, 0), "Harborbox not found.");
    EXPECT_EQ(Status(), "No Harborbox answered. Requests sent: " + sent +
                            ", replies received: 0, network adapters searched: 1. Click Help to see what was tried "
                            "and what to try.");

    m_window->ShowHelp();
    const std::string help = HelpText();
    for (const std::string& line :
         {std::string("No Harborbox was found"),  // the document's own text stays first
          std::string("Network adapter 10.77.0.1: broadcast to 10.77.0.255."),
          std::string("Broadcast to every local network (255.255.255.255)."),
          "Requests sent: " + sent + ". Replies received: 0.",
          std::string("choose \"Add a Harborbox by address...\""),
          std::string("Allow Quickmap through the firewall")})
        EXPECT_NE(help.find(line), std::string::npos) << line << "\n" << help;
    EXPECT_EQ(help.find("Asked directly"), std::string::npos);
}
