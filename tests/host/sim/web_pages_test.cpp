#include <gtest/gtest.h>

#include <string>

#include "appliance-sim/web_pages.h"

namespace appliance_sim {
namespace {

ApplianceConfig harborbox() {
    ApplianceConfig config;
    config.address = 0x0A4D0002;
    config.web_state.volumes = {"Volume_1", "Volume_2"};
    config.web_state.shares = {{"Music", "Volume_1"}, {"O'Neil", "Volume_2"}};
    config.web_state.usb_shares = {{"Stick", "usbdisk1"}};
    return config;
}

// The value line two lines below the first line that holds `marker`.
std::string value_line(const std::string& body, const std::string& marker) {
    const auto at = body.find(marker);
    if (at == std::string::npos) return "<no marker>";
    auto start = body.find('\n', at) + 1;
    start = body.find('\n', start) + 1;
    return body.substr(start, body.find("\r\n", start) - start);
}

TEST(SimWebPages, TargetsSplitIntoPathAndDecodedParameters) {
    const PageRequest request = parse_target("/filesharing/addshare_process.asp?new_share_name=Caf%C3%A9 bar&new_share_pool=Volume_1&share_password=a+b&flag");
    EXPECT_EQ(request.path, "filesharing/addshare_process.asp");
    EXPECT_EQ(request.params.at("new_share_name"), "Caf\xC3\xA9 bar");
    EXPECT_EQ(request.params.at("share_password"), "a+b");
    EXPECT_EQ(request.params.at("flag"), "");
    EXPECT_EQ(parse_target("drivemgt/pool_info.asp").path, "drivemgt/pool_info.asp");
    EXPECT_EQ(parse_target("/").path, "");
    EXPECT_EQ(parse_target("/x?bad=%G1%4").params.at("bad"), "%G1%4");
}

TEST(SimWebPages, ListsAreQuotedWithApostrophesEscaped) {
    EXPECT_EQ(render_list_function("pool_names", {"Volume_1", "Volume_2"}),
              "function pool_names()\r\n{\r\n    return [\"Volume_1\",\"Volume_2\"];\r\n}\r\n");
    EXPECT_EQ(render_list_function("shares", {"O'Neil"}), "function shares()\r\n{\r\n    return [\"O\\'Neil\"];\r\n}\r\n");
    EXPECT_EQ(render_list_function("shares", {}), "function shares()\r\n{\r\n    return [];\r\n}\r\n");
}

TEST(SimWebPages, InformationPagesShowTheState) {
    Appliance appliance(harborbox());
    const PageReply pools = serve_page(appliance, parse_target("drivemgt/pool_info.asp"));
    EXPECT_EQ(pools.status, 200);
    EXPECT_EQ(value_line(pools.body, "pool_names()"), "    return [\"Volume_1\",\"Volume_2\"];");

    const std::string info = serve_page(appliance, parse_target("filesharing/share_info.asp")).body;
    // shares() comes first, so its look-up is not caught by foreign_shares().
    EXPECT_LT(info.find("shares()"), info.find("foreign_shares()"));
    EXPECT_EQ(value_line(info, "shares()"), "    return [\"Music\",\"O\\'Neil\"];");
    EXPECT_EQ(value_line(info, "share_pools()"), "    return [\"Volume_1\",\"Volume_2\"];");
    EXPECT_EQ(value_line(info, "foreign_shares()"), "    return [\"Stick\"];");
    EXPECT_EQ(value_line(info, "foreign_share_disks()"), "    return [\"usbdisk1\"];");

    EXPECT_EQ(serve_page(appliance, parse_target("/generalsetup/dump.asp")).status, 200);
    EXPECT_EQ(serve_page(appliance, parse_target("/")).status, 200);
    EXPECT_EQ(serve_page(appliance, parse_target("/nothing.asp")).status, 404);
}

TEST(SimWebPages, ChangePagesReportSuccessOnlyWhenTheyChangedSomething) {
    Appliance appliance(harborbox());
    const auto serve = [&](const std::string& target) { return serve_page(appliance, parse_target(target)).body; };

    const std::string added = serve("filesharing/addshare_process.asp?new_share_name=Photos&new_share_pool=Volume_2&share_password=");
    EXPECT_EQ(value_line(added, "create_share_success()"), "    return [\"Photos\"];");
    EXPECT_EQ(appliance.web_state().shares.back().name, "Photos");
    const std::string again = serve("filesharing/addshare_process.asp?new_share_name=Photos&new_share_pool=Volume_2&share_password=");
    EXPECT_EQ(value_line(again, "create_share_success()"), "    return [];");

    const std::string deleted = serve("filesharing/delete_share_result.asp?share=Music&pool=Volume_1");
    EXPECT_EQ(value_line(deleted, "delete_share_success();"), "    return [\"Music\"];");
    EXPECT_EQ(value_line(serve("filesharing/delete_share_result.asp?share=Music&pool=Volume_1"), "delete_share_success();"),
              "    return [];");

    const std::string removed = serve("drivemgt/safely_remove_disk_result.asp?disk=usbdisk1");
    EXPECT_EQ(value_line(removed, "disconnect_success()"), "    return [\"usbdisk1\"];");
    EXPECT_TRUE(appliance.web_state().usb_shares.empty());
}

TEST(SimWebPages, NameAndLanguagePagesChangeWhatDiscoveryAnswers) {
    Appliance appliance(harborbox());
    EXPECT_EQ(serve_page(appliance, parse_target("/generalsetup/processnetworkname.asp?machine_name=Harborbox-3456&submit=update")).status, 200);
    EXPECT_EQ(appliance.device().name, "Harborbox-3456");
    EXPECT_FALSE(appliance.device().language_set);
    serve_page(appliance, parse_target("/generalsetup/processlangupdate.asp?language=German&submit=update"));
    EXPECT_TRUE(appliance.device().language_set);
    EXPECT_EQ(appliance.web_state().language, "German");
}

}  // namespace
}  // namespace appliance_sim
