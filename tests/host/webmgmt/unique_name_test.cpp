#include "webmgmt/unique_name.h"
#include <gtest/gtest.h>

TEST(UniqueDeviceName, IsHarborboxAndTheLastTwoMacBytesInUpperCaseHex) {
    DeviceEntry entry{};
    const uint8_t data[8] = {0, 0, 0x00, 0x90, 0xA9, 0x12, 0x34, 0x56};
    std::copy(data, data + 8, entry.deviceData);
    EXPECT_EQ(UniqueDeviceName(entry), "Harborbox-3456");
    entry.deviceData[6] = 0xAB;
    entry.deviceData[7] = 0x0c;
    EXPECT_EQ(UniqueDeviceName(entry), "Harborbox-AB0C");
}
