#include "app/tray_commands.h"
#include <gtest/gtest.h>
#include <set>

TEST(TrayDeviceCommands, FirstSixteenKeepTheClassicIds) {
    EXPECT_EQ(TrayDeviceCommandId(0, TrayDeviceAction::Manage), 0xEE00u);
    EXPECT_EQ(TrayDeviceCommandId(0, TrayDeviceAction::Open), 0xEE02u);
    EXPECT_EQ(TrayDeviceCommandId(2, TrayDeviceAction::Open), 0xEE22u);
    EXPECT_EQ(TrayDeviceCommandId(15, TrayDeviceAction::Manage), 0xEEF0u);
    const auto decoded = DecodeTrayDeviceCommand(0xEE12);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->position, 1);
    EXPECT_EQ(decoded->action, TrayDeviceAction::Open);
}

TEST(TrayDeviceCommands, EveryDeviceGetsItsOwnIdsThatDecodeBack) {
    std::set<unsigned> ids;
    for (int position = 0; position < 300; ++position) {
        for (TrayDeviceAction action : {TrayDeviceAction::Manage, TrayDeviceAction::Open}) {
            const unsigned id = TrayDeviceCommandId(position, action);
            ASSERT_NE(id, 0u);
            EXPECT_TRUE(ids.insert(id).second) << id;
            // Clear of the other commands of the window and its menus.
            EXPECT_TRUE(id < 9001 || id > 9005);
            EXPECT_TRUE(id < 32788 || id > 32795);
            const auto decoded = DecodeTrayDeviceCommand(id);
            ASSERT_TRUE(decoded);
            EXPECT_EQ(decoded->position, position);
            EXPECT_EQ(decoded->action, action);
        }
    }
    EXPECT_EQ(TrayDeviceCommandId(kTrayMaxDevices, TrayDeviceAction::Manage), 0u);
}

TEST(TrayDeviceCommands, OtherIdsAreNotDeviceCommands) {
    for (unsigned id : {0u, 1u, 272u, 9001u, 9003u, 32788u, 0xEE01u, 0xEE03u, 0xEF00u, 0x4001u})
        EXPECT_FALSE(DecodeTrayDeviceCommand(id)) << id;
}
