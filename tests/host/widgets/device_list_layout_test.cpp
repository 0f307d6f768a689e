#include "widgets/device_list_layout.h"
#include <gtest/gtest.h>

TEST(DeviceListColumns, NameTakesHalfTheRestShareTheOtherHalf) {
    const DeviceListColumns even = DeviceListColumnWidths(400);
    EXPECT_EQ(even.name, 200);
    EXPECT_EQ(even.ipAddress, 100);
    EXPECT_EQ(even.macAddress, 100);
    const DeviceListColumns odd = DeviceListColumnWidths(301);
    EXPECT_EQ(odd.name, 150);
    EXPECT_EQ(odd.ipAddress, 75);
    EXPECT_EQ(odd.macAddress, 75);
}
