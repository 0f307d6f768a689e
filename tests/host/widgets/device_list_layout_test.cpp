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

TEST(DeviceListColumns, ANotedRowShortensTheNameBeforeTheNote) {
    const struct {
        int name, note, available, shown;
    } cases[] = {
        {80, 200, 400, 80},   // both fit
        {80, 320, 400, 80},   // exactly
        {200, 250, 400, 150}, // the name gives way
        {150, 390, 300, 100}, // a third of the row stays the name's
        {60, 390, 300, 60},   // a short name keeps all of it
        {0, 100, 50, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << "+" << c.note << " in " << c.available);
        EXPECT_EQ(NotedRowNameWidth(c.name, c.note, c.available), c.shown);
    }
}
