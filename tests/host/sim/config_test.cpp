#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "appliance-sim/config.h"
#include "config_text.h"
#include "appliance-sim/ipv4.h"

namespace appliance_sim {
namespace {

TEST(SimConfig, ReadsEveryKeyOfAnAppliance) {
    const SimConfig config = parse(
        "# comment line\n"
        "[global]\n"
        "reply_spread_ms = 300   # trailing comment\n"
        "seed = 7\n"
        "\n"
        "[appliance]\n"
        "address = 10.77.0.2\n"
        "name = QX Harborbox 2\n"
        "mac = 00-11-32-aa-34-56\n"
        "flags = 0x40020000\n"
        "language_set = 1\n"
        "web_port = 8088\n"
        "query_attribute = 7\n"
        "answer_to = limited\n"
        "fault = flood\n"
        "flood_count = 11\n"
        "delay_ms = 1500\n");
    EXPECT_EQ(config.global.reply_spread_ms, 300);
    EXPECT_EQ(config.global.seed, 7u);
    ASSERT_EQ(config.appliances.size(), 1u);
    const ApplianceConfig& a = config.appliances[0];
    EXPECT_EQ(format_ipv4(a.address), "10.77.0.2");
    EXPECT_EQ(a.device.name, "QX Harborbox 2");
    EXPECT_EQ(a.device.mac, (std::array<std::uint8_t, 6>{0x00, 0x11, 0x32, 0xAA, 0x34, 0x56}));
    EXPECT_EQ(a.device.flags, 0x40020000u);
    EXPECT_TRUE(a.device.language_set);
    EXPECT_EQ(a.device.web_port, 8088);
    EXPECT_EQ(a.device.query_attribute, 7);
    EXPECT_EQ(a.answer_to, AnswerTo::limited);
    EXPECT_EQ(a.misbehaviour.fault, Fault::flood);
    EXPECT_EQ(a.misbehaviour.flood_count, 11);
    EXPECT_EQ(a.misbehaviour.delay_ms, 1500);
    EXPECT_EQ(a.line, 6);
}

TEST(SimConfig, DefaultsDescribeAFactoryFreshAppliance) {
    const SimConfig config = parse("[appliance]\naddress = 10.77.0.2\n");
    EXPECT_EQ(config.global.reply_spread_ms, 0);
    const ApplianceConfig& a = config.appliances.at(0);
    EXPECT_EQ(a.device.name, "QX-Harborbox");
    EXPECT_EQ(a.device.flags, 0x40020000u);
    EXPECT_FALSE(a.device.language_set);
    EXPECT_EQ(a.device.web_port, 80);
    EXPECT_EQ(a.device.query_attribute, 10);
    EXPECT_EQ(a.answer_to, AnswerTo::any);
    EXPECT_EQ(a.misbehaviour.fault, Fault::none);
}

TEST(SimConfig, EmptyNameIsKept) {
    EXPECT_EQ(parse("[appliance]\naddress = 10.77.0.2\nname =\n").appliances.at(0).device.name, "");
}

TEST(SimConfig, KeepsAppliancesInFileOrder) {
    const SimConfig config = parse(
        "[appliance]\naddress = 10.77.0.3\nname = B\n"
        "[appliance]\naddress = 10.77.0.2\nname = A\n");
    ASSERT_EQ(config.appliances.size(), 2u);
    EXPECT_EQ(config.appliances[0].device.name, "B");
    EXPECT_EQ(config.appliances[1].device.name, "A");
}

TEST(SimConfig, RangeExpandsAddressesNamesAndMacs) {
    const SimConfig config = parse(
        "[appliance_range]\n"
        "first_address = 10.77.0.250\n"
        "count = 300\n"
        "name_prefix = Harborbox-\n"
        "mac_prefix = 00-11-32-AA\n"
        "fault = no_flags\n"
        "web_port = 8080\n");
    ASSERT_EQ(config.appliances.size(), 300u);
    const ApplianceConfig& first = config.appliances.front();
    EXPECT_EQ(format_ipv4(first.address), "10.77.0.250");
    EXPECT_EQ(first.device.name, "Harborbox-1");
    EXPECT_EQ(first.device.mac, (std::array<std::uint8_t, 6>{0x00, 0x11, 0x32, 0xAA, 0x00, 0x01}));
    const ApplianceConfig& last = config.appliances.back();
    EXPECT_EQ(format_ipv4(last.address), "10.77.2.37");  // crosses octet boundaries
    EXPECT_EQ(last.device.name, "Harborbox-300");
    EXPECT_EQ(last.device.mac, (std::array<std::uint8_t, 6>{0x00, 0x11, 0x32, 0xAA, 0x01, 0x2C}));
    EXPECT_EQ(last.misbehaviour.fault, Fault::no_flags);
    EXPECT_EQ(last.device.web_port, 8080);
    EXPECT_EQ(last.line, 1);
}

TEST(SimConfig, RangeAndSingleAppliancesMix) {
    const SimConfig config = parse(
        "[appliance]\naddress = 10.77.0.2\n"
        "[appliance_range]\nfirst_address = 10.77.0.10\ncount = 3\n");
    ASSERT_EQ(config.appliances.size(), 4u);
    EXPECT_EQ(format_ipv4(config.appliances[3].address), "10.77.0.12");
}

TEST(SimConfig, ErrorsNameFileAndLine) {
    EXPECT_EQ(error_of("[global]\nreply_spread = 3\n"), "test.conf:2: unknown key 'reply_spread' in [global]");
    EXPECT_EQ(error_of("[appliance]\naddress = 10.77.0.2\ncolour = red\n"),
              "test.conf:3: unknown key 'colour' in [appliance]");
    EXPECT_EQ(error_of("[appliance]\n\n\naddress = 10.77.0.256\n"),
              "test.conf:4: address: bad IPv4 address: '10.77.0.256'");
    EXPECT_EQ(error_of("[appliance]\naddress = 10.77.0.2\nmac = 00-11-32-AA-34\n"),
              "test.conf:3: mac: bad MAC '00-11-32-AA-34': expected 6 hex bytes separated by '-'");
    EXPECT_EQ(error_of("[appliances]\n"), "test.conf:1: unknown section [appliances]");
    EXPECT_EQ(error_of("seed = 1\n"), "test.conf:1: 'seed' before any section");
}

TEST(SimConfig, RejectsBadValues) {
    const char* const bad_lines[] = {
        "address = 10.77.0",        "address = 10.77.0.2.1", "address = 10.77.0.-1",  "address = ten",
        "mac = 00-11-32-AA-34-5G",  "mac = 0011-32-AA-34-56", "mac = 00-11-32-AA-34-56-", "web_port = 65536",
        "web_port = -1",            "flags = 0x100000000",    "language_set = 2",      "query_attribute = 256",
        "answer_to = everyone",     "fault = explode",        "delay_ms = 1.5",        "just words",
    };
    for (const char* line : bad_lines) {
        const std::string error = error_of(std::string("[appliance]\naddress = 10.77.0.9\n") + "[appliance]\n" + line +
                                           "\naddress = 10.77.0.2\n");
        EXPECT_EQ(error.rfind("test.conf:4: ", 0), 0u) << line << " gave '" << error << "'";
    }
}

TEST(SimConfig, RejectsIncompleteOrContradictorySections) {
    EXPECT_EQ(error_of("[appliance]\nname = A\n[appliance]\naddress = 10.77.0.2\n"),
              "test.conf:1: [appliance] without an address");
    EXPECT_EQ(error_of("[appliance]\naddress = 10.77.0.2\n\n[appliance]\naddress = 10.77.0.2\n"),
              "test.conf:4: address 10.77.0.2 already used by the appliance of line 1");
    EXPECT_EQ(error_of("[appliance]\naddress = 10.77.0.2\naddress = 10.77.0.3\n"),
              "test.conf:3: key 'address' given twice in this section");
    EXPECT_EQ(error_of("[appliance]\naddress = 10.77.0.2\nfault = flood\n"),
              "test.conf:1: fault = flood needs flood_count of at least 1");
    EXPECT_EQ(error_of("[appliance_range]\ncount = 3\n"), "test.conf:1: [appliance_range] without first_address");
    EXPECT_EQ(error_of("[appliance_range]\nfirst_address = 10.77.0.10\ncount = 0\n"),
              "test.conf:3: count: count must be at least 1");
    EXPECT_EQ(error_of("[appliance_range]\nfirst_address = 255.255.255.250\ncount = 10\n"),
              "test.conf:1: [appliance_range] runs past 255.255.255.255");
    EXPECT_EQ(error_of("[appliance_range]\nfirst_address = 10.77.0.10\ncount = 3\nname = X\n"),
              "test.conf:4: unknown key 'name' in [appliance_range]");
    EXPECT_EQ(error_of("[appliance]\naddress = 10.77.0.11\n[appliance_range]\nfirst_address = 10.77.0.10\ncount = 3\n"),
              "test.conf:3: address 10.77.0.11 already used by the appliance of line 1");
}

TEST(SimConfig, LoadReportsAMissingFile) {
    EXPECT_THROW(load_config("/nonexistent/sim.conf"), ConfigError);
}

}  // namespace
}  // namespace appliance_sim
