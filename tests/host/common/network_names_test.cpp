#include "common/network_names.h"
#include "discovery/datagram.h"
#include "discovery/device_address.h"
#include <gtest/gtest.h>
#include <string>

TEST(NetworkNames, HostNamesAreLettersDigitsHyphensAndDotsInProperLabels) {
    const struct {
        std::string name;
        bool accepted;
    } cases[] = {
        {"QX-Harborbox", true}, {"nas.office.lan", true}, {"10.77.0.2", true}, {"a", true},
        {std::string(63, 'a'), true}, {std::string(64, 'a'), false},
        {"", false}, {"x --switch=1", false}, {"a\\..\\b", false}, {"-x", false}, {".x", false},
        {"a.-b", false}, {"a..b", false}, {"a.", false}, {"a b", false}, {"a/b", false}, {"a_b", false},
        {"\"quoted\"", false}, {"a%20b", false}, {"b\xC3\xA4r", false}, {std::string("a\0b", 3), false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsHostName(c.name), c.accepted) << c.name;
}

TEST(NetworkNames, ShareNamesThatCannotBecomePathsOrFileNames) {
    const struct {
        std::string name;
        bool usable;
    } cases[] = {
        {"Shared Media", true}, {"Photos (2020)", true}, {"Data (H:)", false}, {"Bär", true}, {"con.d", false},
        {"CONSOLE", true}, {"COM10", true}, {"com1", false}, {"LPT9.txt", false}, {"NUL ", false}, {"Aux", false},
        {"", false}, {".", false}, {"..", false}, {"...", true}, {"a\\b", false}, {"a/b", false},
        {"a\tb", false}, {"a\x7f", false}, {"a*", false}, {"a?", false}, {"a|b", false}, {"<a>", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsUsableShareName(c.name), c.usable) << c.name;
}

TEST(NetworkNames, AnApplianceIsAddressedByItsIpWhenItsNameIsUnsafeOrShared) {
    auto entry = [](const std::string& name, const std::string& ip) {
        DeviceEntry e{};
        CopyToField(e.name, name.c_str(), name.size());
        CopyToField(e.ipText, ip.c_str(), ip.size());
        return e;
    };
    DeviceRegistry registry;
    registry.devices = {entry("Office", "10.0.0.1"), entry("office", "10.0.0.2"), entry("Attic", "10.0.0.3"),
                        entry("x --switch=1", "10.0.0.4"), entry("Attic", "10.0.0.3")};
    const struct {
        DeviceEntry chosen;
        std::string address;
    } cases[] = {
        {entry("Office", "10.0.0.1"), "10.0.0.1"}, {entry("office", "10.0.0.2"), "10.0.0.2"},
        {entry("Attic", "10.0.0.3"), "Attic"},  // the same appliance twice is no conflict
        {entry("x --switch=1", "10.0.0.4"), "10.0.0.4"},
    };
    for (const auto& c : cases) EXPECT_EQ(DeviceAddressName(registry, c.chosen), c.address) << c.chosen.name;
}
