// The device list while a real scan runs, three appliances answering at once: rows appear before the scan
// ends, always in name order and each appliance once, also when remembered addresses are asked directly too.
#include "discovery/remembered_store.h"
#include "wizard_fixture.h"
#include <algorithm>

class ScanRows : public WizardFixture {
protected:
    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < DeviceList().GetItemCount(); ++i) rows.push_back(DeviceList().GetItemText(i, 0));
        return rows;
    }
};

TEST_F(ScanRows, AppearWhileTheScanRunsInNameOrderOnceEachAndTheEndListsTheRegistry) {
    for (const char* scan : {"broadcasts only", "broadcasts and the remembered addresses"}) {
        SCOPED_TRACE(scan);
        ASSERT_TRUE(m_window->StartScan(true));
        size_t mostRowsWhileScanning = 0;
        testbed::PumpUntil([&] {
            if (!m_window->State().IsScanning()) return true;
            const auto rows = Rows();
            if (rows == std::vector<std::string>{"Searching for Harborbox..."}) return false;
            EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end())) << rows.size();
            EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end());  // once each
            mostRowsWhileScanning = std::max(mostRowsWhileScanning, rows.size());
            return false;
        }, 15000);
        EXPECT_EQ(mostRowsWhileScanning, 3u);
        EXPECT_EQ(Rows(), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
        EXPECT_EQ(m_window->State().SelectedRow(), 0);
    }
    EXPECT_EQ(LoadRememberedAppliances().Items().size(), 3u);  // what the scans saw, for the next start
}
