#include "app/help_choice.h"
#include <gtest/gtest.h>

TEST(HelpChoice, DevicePageDependsOnWhetherAnythingWasFound) {
    EXPECT_EQ(ChooseHelpDocument(WizardPage::Devices, 0), 180);
    EXPECT_EQ(ChooseHelpDocument(WizardPage::Devices, 1), 176);
    EXPECT_EQ(ChooseHelpDocument(WizardPage::Devices, 7), 176);
}

TEST(HelpChoice, LaterPagesIgnoreTheDeviceCount) {
    for (int count : {0, 1, 5}) {
        EXPECT_EQ(ChooseHelpDocument(WizardPage::Shares, count), 177);
        EXPECT_EQ(ChooseHelpDocument(WizardPage::Finish, count), 178);
    }
}
