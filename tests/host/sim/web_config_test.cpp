#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "appliance-sim/config.h"
#include "config_text.h"

namespace appliance_sim {
namespace {

TEST(SimWebConfig, ReadsTheWebKeysOfAnAppliance) {
    const SimConfig config = parse(
        "[appliance]\n"
        "address = 10.77.0.2\n"
        "http_port = 8080\n"
        "share_root = /tmp/shares\n"
        "admin_user = root\n"
        "admin_password = s3cret\n"
        "web_auth = basic\n"
        "web_fault = redirect_twice\n"
        "redirect_status = 303\n"
        "slow_ms = 1500\n"
        "volumes = Volume_1, Volume_2\n"
        "share = Shared Media:Volume_1\n"
        "share = Photos:Volume_2\n"
        "usb_share = USB_Stick:usbdisk1\n");
    ASSERT_EQ(config.appliances.size(), 1u);
    const ApplianceConfig& a = config.appliances[0];
    EXPECT_EQ(a.web.http_port, 8080);
    EXPECT_EQ(a.web.share_root, "/tmp/shares");
    EXPECT_EQ(a.web.admin_user, "root");
    EXPECT_EQ(a.web.admin_password, "s3cret");
    EXPECT_TRUE(a.web.basic_auth);
    EXPECT_EQ(a.web.fault, WebFault::redirect_twice);
    EXPECT_EQ(a.web.redirect_status, 303);
    EXPECT_EQ(a.web.slow_ms, 1500);
    EXPECT_EQ(a.web_state.volumes, (std::vector<std::string>{"Volume_1", "Volume_2"}));
    ASSERT_EQ(a.web_state.shares.size(), 2u);
    EXPECT_EQ(a.web_state.shares[0].name, "Shared Media");
    EXPECT_EQ(a.web_state.shares[0].place, "Volume_1");
    EXPECT_EQ(a.web_state.shares[1].name, "Photos");
    ASSERT_EQ(a.web_state.usb_shares.size(), 1u);
    EXPECT_EQ(a.web_state.usb_shares[0].place, "usbdisk1");
}

TEST(SimWebConfig, DefaultsServePort80WithoutAuthentication) {
    const ApplianceConfig a = parse("[appliance]\naddress = 10.77.0.2\n").appliances[0];
    EXPECT_EQ(a.web.http_port, 80);
    EXPECT_FALSE(a.web.basic_auth);
    EXPECT_EQ(a.web.fault, WebFault::none);
    EXPECT_EQ(a.web.redirect_status, 302);
    EXPECT_EQ(a.web_state.volumes, std::vector<std::string>{"Volume_1"});
    EXPECT_TRUE(a.web_state.shares.empty());
}

TEST(SimWebConfig, RangeMembersShareTheWebSetUp) {
    const SimConfig config = parse(
        "[appliance_range]\nfirst_address = 10.77.0.10\ncount = 2\nshare = Data:Volume_1\nweb_fault = slow\n");
    ASSERT_EQ(config.appliances.size(), 2u);
    EXPECT_EQ(config.appliances[1].web_state.shares.size(), 1u);
    EXPECT_EQ(config.appliances[1].web.fault, WebFault::slow);
}

TEST(SimWebConfig, BadWebValuesNameTheirLine) {
    EXPECT_EQ(error_of("[appliance]\naddress = 10.77.0.2\nweb_fault = crash\n"),
              "test.conf:3: web_fault: unknown web_fault 'crash'");
    EXPECT_NE(error_of("[appliance]\naddress = 10.77.0.2\nweb_auth = digest\n"), "");
    EXPECT_NE(error_of("[appliance]\naddress = 10.77.0.2\nredirect_status = 307\n"), "");
    EXPECT_NE(error_of("[appliance]\naddress = 10.77.0.2\nshare = NoPlace\n"), "");
    EXPECT_NE(error_of("[appliance]\naddress = 10.77.0.2\nshare = ../etc:Volume_1\n"), "");
    EXPECT_NE(error_of("[appliance]\naddress = 10.77.0.2\nvolumes = Volume_1,,Volume_2\n"), "");
    // Only the share keys repeat.
    EXPECT_EQ(error_of("[appliance]\naddress = 10.77.0.2\nadmin_user = a\nadmin_user = b\n"),
              "test.conf:4: key 'admin_user' given twice in this section");
}

}  // namespace
}  // namespace appliance_sim
