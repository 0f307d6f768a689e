// The request layer against the simulated appliance's web server; each suite runs in its own scenario with
// its own server behaviour (scenarios.conf), and so in its own process.
#include "res/resource.h"
#include "framework/resource_strings.h"
#include "test_bed.h"
#include "web_requests.h"
#include "webmgmt/appliance_request.h"
#include "webmgmt/reply_file.h"
#include "webmgmt/reply_list.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <fstream>
#include <sstream>

namespace {
const char kPoolInfo[] = "drivemgt/pool_info.asp";
const char kShareInfo[] = "filesharing/share_info.asp";

int Request(const std::string& object, const std::string& user = "", const std::string& password = "",
            const std::string& host = testbed::Env("QM_APPLIANCE_IP", "10.77.0.2")) {
    return SendApplianceRequest(LoadResString(IDS_APP_TITLE), host, 80, object, user, password);
}

bool ReplyFileExists() { return ::GetFileAttributesA(ReplyFilePath().c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReplyFileText() {
    std::ifstream in(ReplyFilePath(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Every look-up of the share operations comes back empty, and says the reply is missing.
void ExpectNoReply() {
    EXPECT_FALSE(ReplyFileExists());
    for (const char* marker : {"pool_names()", "shares()", "foreign_shares()", "create_share_success()"}) {
        ReplyStatus status = ReplyStatus::Present;
        EXPECT_EQ(FindReplyValue(marker, &status), "") << marker;
        EXPECT_EQ(status, ReplyStatus::Missing) << marker;
    }
}

void PlantStaleReply() {
    std::ofstream(ReplyFilePath(), std::ios::binary) << "function pool_names()\n{\nreturn [\"Stale\"];\n";
    ASSERT_EQ(FindReplyValue("pool_names()"), "Stale");
}
}  // namespace

TEST(WebRequest, ServerSeesTheRequestLineAndTheAddedHeaders) {
    ASSERT_EQ(Request(kPoolInfo, "admin", "secret"), 200);
    ASSERT_EQ(Request("/generalsetup/processlangupdate.asp?language=German&submit=update"), 200);
    const auto requests = testbed::WebRequests();
    ASSERT_EQ(requests.size(), 2u);
    // The object goes out as given; the library puts a "/" in front of one without.
    EXPECT_EQ(requests[0].requestLine, "GET /drivemgt/pool_info.asp HTTP/1.1");
    EXPECT_EQ(requests[1].requestLine, "GET /generalsetup/processlangupdate.asp?language=German&submit=update HTTP/1.1");
    for (const auto& request : requests) {
        // The accept types already made the Accept header, so the longer line is not added.
        EXPECT_EQ(request.Values("Accept"), std::vector<std::string>{"*.*"});
        EXPECT_EQ(request.Values("Accept-Language"), std::vector<std::string>{"fr"});
        EXPECT_EQ(request.Values("Content-Type"), std::vector<std::string>{"application/x-www-form-urlencoded"});
        EXPECT_EQ(request.Values("User-Agent"), std::vector<std::string>{"RirAzaDezi/1.0"});
        EXPECT_EQ(request.Values("Host"), std::vector<std::string>{"10.77.0.2"});
        // Credentials are kept for a challenge; this server asks for none.
        EXPECT_TRUE(request.Values("Authorization").empty());
    }
}

TEST(WebRequest, OkWithBodyStoresTheReplyForTheLookUps) {
    ASSERT_EQ(Request(kShareInfo), 200);
    ASSERT_TRUE(ReplyFileExists());
    EXPECT_NE(ReplyFileText().find("function shares()\r\n"), std::string::npos);  // stored byte for byte
    ReplyStatus status = ReplyStatus::Missing;
    const std::string shares = FindReplyValue("shares()", &status);
    EXPECT_EQ(status, ReplyStatus::Present);
    EXPECT_EQ(shares, "Shared Media,Photos,O\\'Neil");
    EXPECT_EQ(IndexOfListItem(shares, "O'Neil"), 2);
    EXPECT_EQ(ListItemAt(FindReplyValue("share_pools()"), IndexOfListItem(shares, "Photos")), "Volume_1");
    EXPECT_EQ(ListItemAt(FindReplyValue("foreign_share_disks()"), 0), "usbdisk1");
    EXPECT_EQ(FindReplyValue("disconnect_success()", &status), "");
    EXPECT_EQ(status, ReplyStatus::Present);
}

TEST(WebRequest, EveryRequestFirstDeletesTheOldReply) {
    PlantStaleReply();
    ASSERT_EQ(Request("nothing/here.asp"), 404);
    ExpectNoReply();
    PlantStaleReply();
    ASSERT_EQ(Request(kPoolInfo), 200);
    EXPECT_EQ(FindReplyValue("pool_names()"), "Volume_1,Volume_2");
}

TEST(WebRequest, ChangePagesAnswerWithTheirSuccessMarker) {
    ASSERT_EQ(Request("filesharing/addshare_process.asp?new_share_name=Video&new_share_pool=Volume_2&share_password="), 200);
    EXPECT_EQ(FindReplyValue("create_share_success()"), "Video");
    ASSERT_EQ(Request("filesharing/delete_share_result.asp?share=Video&pool=Volume_2"), 200);
    EXPECT_EQ(FindReplyValue("delete_share_success();"), "Video");
    ASSERT_EQ(Request("drivemgt/safely_remove_disk_result.asp?disk=usbdisk9"), 200);
    EXPECT_EQ(FindReplyValue("disconnect_success()"), "");
}

TEST(WebRequest, UnreachableHostGivesZeroWithinSeconds) {
    PlantStaleReply();
    const uint64_t start = testbed::Now();
    EXPECT_EQ(Request(kPoolInfo, "", "", "10.77.0.99"), 0);
    EXPECT_LT(testbed::SecondsSince(start), 10.0);
    ExpectNoReply();
}

TEST(WebRequest, ReplyFilePathDefaultsToTheTemporaryDirectory) {
    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, temp);
    EXPECT_EQ(ReplyFilePath(), std::string(temp) + "Harborbox.tmp");
}

TEST(WebAuthRight, CredentialsAnswerTheChallenge) {
    ASSERT_EQ(Request(kPoolInfo, "admin", "secret"), 200);
    EXPECT_EQ(FindReplyValue("pool_names()"), "Volume_1,Volume_2");
    const auto requests = testbed::WebRequests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().Values("Authorization"), std::vector<std::string>{"Basic YWRtaW46c2VjcmV0"});
}

TEST(WebAuthWrong, WrongCredentialsGive401AndNoReply) {
    PlantStaleReply();
    EXPECT_EQ(Request(kPoolInfo, "admin", "nope"), 401);
    ExpectNoReply();
}

TEST(WebEmptyBody, OkWithoutBodyLeavesNoReplyFile) {
    PlantStaleReply();
    EXPECT_EQ(Request(kShareInfo), 200);
    ExpectNoReply();
}

TEST(WebNoMarkers, PageWithoutMarkersFindsNothingButIsPresent) {
    ASSERT_EQ(Request(kShareInfo), 200);
    ReplyStatus status = ReplyStatus::Missing;
    EXPECT_EQ(FindReplyValue("shares()", &status), "");
    EXPECT_EQ(status, ReplyStatus::Present);
}

TEST(WebLongLine, LongLineBeforeTheScriptDoesNotHideTheMarkers) {
    ASSERT_EQ(Request(kPoolInfo), 200);
    EXPECT_EQ(FindReplyValue("pool_names()"), "Volume_1,Volume_2");
}

TEST(WebRedirectOnce, OneRedirectIsFollowedWithOnlyTheAcceptLine) {
    ASSERT_EQ(Request(kPoolInfo), 200);
    EXPECT_EQ(FindReplyValue("pool_names()"), "Volume_1,Volume_2");
    const auto requests = testbed::WebRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].requestLine, "GET /redirected/drivemgt/pool_info.asp HTTP/1.1");
    EXPECT_EQ(requests[1].Values("Accept"), std::vector<std::string>{"*.*"});
    EXPECT_TRUE(requests[1].Values("Accept-Language").empty());
    EXPECT_TRUE(requests[1].Values("Content-Type").empty());
}

TEST(WebRedirectTwice, SecondRedirectIsTheResult) {
    PlantStaleReply();
    EXPECT_EQ(Request(kPoolInfo), 302);
    ExpectNoReply();
    EXPECT_EQ(testbed::WebRequests().size(), 2u);
}

TEST(WebRedirectNoLocation, RedirectWithoutLocationGivesZero) {
    EXPECT_EQ(Request(kPoolInfo), 0);
    ExpectNoReply();
    EXPECT_EQ(testbed::WebRequests().size(), 1u);
}

TEST(WebRedirectToAuth, RedirectToAPageThatAsksForCredentialsGives401) {
    EXPECT_EQ(Request(kPoolInfo, "admin", "nope"), 401);
    ExpectNoReply();
}

TEST(WebRedirectOtherHost, ARedirectToAnotherServerIsNotFollowedAndGetsNoCredentials) {
    PlantStaleReply();
    EXPECT_EQ(Request(kPoolInfo, "admin", "secret"), 0);
    ExpectNoReply();
    const auto requests = testbed::WebRequests();
    ASSERT_EQ(requests.size(), 1u);  // only the first server was asked
    EXPECT_EQ(requests[0].Values("Host"), std::vector<std::string>{"10.77.0.2"});
}

TEST(WebRedirectContentLocation, LocationIsFollowedNotTheContentLocationBeforeIt) {
    ASSERT_EQ(Request(kPoolInfo), 200);
    EXPECT_EQ(FindReplyValue("pool_names()"), "Volume_1,Volume_2");
    const auto requests = testbed::WebRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].requestLine, "GET /redirected/drivemgt/pool_info.asp HTTP/1.1");
    EXPECT_EQ(requests[1].Values("Host"), std::vector<std::string>{"10.77.0.2"});
}

TEST(WebBrokenBody, BodyBrokenOffIsAFailureWithoutReplyFile) {
    PlantStaleReply();
    EXPECT_EQ(Request(kShareInfo), 0);
    ExpectNoReply();
}

TEST(WebEndlessBody, EndlessBodyStopsAtTheLimitWithoutReplyFile) {
    const uint64_t start = testbed::Now();
    EXPECT_EQ(Request(kShareInfo), 0);
    EXPECT_LT(testbed::SecondsSince(start), 20.0);
    ExpectNoReply();
}

TEST(WebSlow, SlowAnswerIsWaitedFor) {
    const uint64_t start = testbed::Now();
    EXPECT_EQ(Request(kPoolInfo), 200);
    EXPECT_GE(testbed::SecondsSince(start), 1.9);
    EXPECT_EQ(FindReplyValue("pool_names()"), "Volume_1,Volume_2");
}
