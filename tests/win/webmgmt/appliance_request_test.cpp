// The request layer against the simulated appliance's web server; each suite runs in its own scenario with
// its own server behaviour (scenarios.conf), and so in its own process.
#include "res/resource.h"
#include "framework/resource_strings.h"
#include "test_bed.h"
#include "web_requests.h"
#include "webmgmt/appliance_request.h"
#include "webmgmt/reply_list.h"
#include <gtest/gtest.h>
#include <windows.h>
#include <thread>

namespace {
const char kPoolInfo[] = "drivemgt/pool_info.asp";
const char kShareInfo[] = "filesharing/share_info.asp";

ApplianceReply Request(const std::string& object, const std::string& user = "", const std::string& password = "",
                       const std::string& host = testbed::Env("QM_APPLIANCE_IP", "10.77.0.2")) {
    return SendApplianceRequest(LoadResString(IDS_APP_TITLE), host, 80, object, user, password);
}

// No status to show, for the given cause, and nothing for the look-ups.
void ExpectFailure(const ApplianceReply& reply, RequestFailure cause) {
    EXPECT_EQ(reply.status, 0);
    EXPECT_EQ(reply.failure, cause);
    EXPECT_FALSE(reply.body);
    for (const char* marker : {"pool_names()", "shares()", "foreign_shares()", "create_share_success()"})
        EXPECT_EQ(reply.Value(marker), "") << marker;
}

// A status from the server, without a body.
void ExpectStatusOnly(const ApplianceReply& reply, int status) {
    EXPECT_EQ(reply.status, status);
    EXPECT_EQ(reply.failure, RequestFailure::None);
    EXPECT_FALSE(reply.body);
}
}  // namespace

TEST(WebRequest, ServerSeesTheRequestLineAndTheAddedHeaders) {
    ASSERT_EQ(Request(kPoolInfo, "admin", "secret").status, 200);
    ASSERT_EQ(Request("/generalsetup/processlangupdate.asp?language=German&submit=update").status, 200);
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

TEST(WebRequest, OkWithBodyKeepsTheReplyForTheLookUps) {
    const ApplianceReply reply = Request(kShareInfo);
    ASSERT_EQ(reply.status, 200);
    ASSERT_TRUE(reply.body);
    EXPECT_NE(reply.body->find("function shares()\r\n"), std::string::npos);  // kept byte for byte
    const std::string shares = reply.Value("shares()");
    EXPECT_EQ(shares, "Shared Media,Photos,O\\'Neil");
    EXPECT_EQ(IndexOfListItem(shares, "O'Neil"), 2);
    EXPECT_EQ(ListItemAt(reply.Value("share_pools()"), IndexOfListItem(shares, "Photos")), "Volume_1");
    EXPECT_EQ(ListItemAt(reply.Value("foreign_share_disks()"), 0), "usbdisk1");
    EXPECT_EQ(reply.Value("disconnect_success()"), "");
}

// Requests running side by side, as an operation's and a language update's can, each keep their own reply.
TEST(WebRequest, RequestsAtTheSameTimeKeepTheirOwnReplies) {
    std::vector<ApplianceReply> pools(4), shares(4), missing(4);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < pools.size(); ++i) {
        threads.emplace_back([&, i] { pools[i] = Request(kPoolInfo); });
        threads.emplace_back([&, i] { shares[i] = Request(kShareInfo); });
        threads.emplace_back([&, i] { missing[i] = Request("nothing/here.asp"); });
    }
    for (std::thread& thread : threads) thread.join();
    for (size_t i = 0; i < pools.size(); ++i) {
        EXPECT_EQ(pools[i].Value("pool_names()"), "Volume_1,Volume_2");
        EXPECT_EQ(pools[i].Value("shares()"), "");
        EXPECT_EQ(shares[i].Value("shares()"), "Shared Media,Photos,O\\'Neil");
        EXPECT_EQ(shares[i].Value("pool_names()"), "");
        ExpectStatusOnly(missing[i], 404);
    }
}

TEST(WebRequest, ChangePagesAnswerWithTheirSuccessMarker) {
    EXPECT_EQ(Request("filesharing/addshare_process.asp?new_share_name=Video&new_share_pool=Volume_2&share_password=")
                  .Value("create_share_success()"),
              "Video");
    EXPECT_EQ(Request("filesharing/delete_share_result.asp?share=Video&pool=Volume_2").Value("delete_share_success();"),
              "Video");
    const ApplianceReply removal = Request("drivemgt/safely_remove_disk_result.asp?disk=usbdisk9");
    EXPECT_EQ(removal.status, 200);
    EXPECT_EQ(removal.Value("disconnect_success()"), "");
}

TEST(WebRequest, UnreachableHostFailsWithinSeconds) {
    const uint64_t start = testbed::Now();
    ExpectFailure(Request(kPoolInfo, "", "", "10.77.0.99"), RequestFailure::NoStatus);
    EXPECT_LT(testbed::SecondsSince(start), 10.0);
}

TEST(WebAuthRight, CredentialsAnswerTheChallenge) {
    const ApplianceReply reply = Request(kPoolInfo, "admin", "secret");
    ASSERT_EQ(reply.status, 200);
    EXPECT_EQ(reply.Value("pool_names()"), "Volume_1,Volume_2");
    const auto requests = testbed::WebRequests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().Values("Authorization"), std::vector<std::string>{"Basic YWRtaW46c2VjcmV0"});
}

TEST(WebAuthWrong, WrongCredentialsGive401AndNoReply) {
    ExpectStatusOnly(Request(kPoolInfo, "admin", "nope"), 401);
}

TEST(WebEmptyBody, OkWithoutBodyHasNoReply) {
    ExpectStatusOnly(Request(kShareInfo), 200);
}

TEST(WebNoMarkers, PageWithoutMarkersFindsNothingButIsPresent) {
    const ApplianceReply reply = Request(kShareInfo);
    ASSERT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.body);
    EXPECT_EQ(reply.Value("shares()"), "");
}

TEST(WebLongLine, LongLineBeforeTheScriptDoesNotHideTheMarkers) {
    EXPECT_EQ(Request(kPoolInfo).Value("pool_names()"), "Volume_1,Volume_2");
}

TEST(WebRedirectOnce, OneRedirectIsFollowedWithOnlyTheAcceptLine) {
    EXPECT_EQ(Request(kPoolInfo).Value("pool_names()"), "Volume_1,Volume_2");
    const auto requests = testbed::WebRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].requestLine, "GET /redirected/drivemgt/pool_info.asp HTTP/1.1");
    EXPECT_EQ(requests[1].Values("Accept"), std::vector<std::string>{"*.*"});
    EXPECT_TRUE(requests[1].Values("Accept-Language").empty());
    EXPECT_TRUE(requests[1].Values("Content-Type").empty());
}

TEST(WebRedirectTwice, SecondRedirectIsTheResult) {
    ExpectStatusOnly(Request(kPoolInfo), 302);
    EXPECT_EQ(testbed::WebRequests().size(), 2u);
}

TEST(WebRedirectNoLocation, RedirectWithoutLocationGivesZero) {
    ExpectFailure(Request(kPoolInfo), RequestFailure::RedirectUnreadable);
    EXPECT_EQ(testbed::WebRequests().size(), 1u);
}

TEST(WebRedirectToAuth, RedirectToAPageThatAsksForCredentialsGives401) {
    ExpectStatusOnly(Request(kPoolInfo, "admin", "nope"), 401);
}

TEST(WebRedirectOtherHost, ARedirectToAnotherServerIsNotFollowedAndGetsNoCredentials) {
    ExpectFailure(Request(kPoolInfo, "admin", "secret"), RequestFailure::RedirectElsewhere);
    const auto requests = testbed::WebRequests();
    ASSERT_EQ(requests.size(), 1u);  // only the first server was asked
    EXPECT_EQ(requests[0].Values("Host"), std::vector<std::string>{"10.77.0.2"});
}

TEST(WebRedirectContentLocation, LocationIsFollowedNotTheContentLocationBeforeIt) {
    EXPECT_EQ(Request(kPoolInfo).Value("pool_names()"), "Volume_1,Volume_2");
    const auto requests = testbed::WebRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].requestLine, "GET /redirected/drivemgt/pool_info.asp HTTP/1.1");
    EXPECT_EQ(requests[1].Values("Host"), std::vector<std::string>{"10.77.0.2"});
}

TEST(WebBrokenBody, BodyBrokenOffIsAFailureWithoutReply) {
    ExpectFailure(Request(kShareInfo), RequestFailure::BodyBroken);
}

TEST(WebEndlessBody, EndlessBodyStopsAtTheLimitWithoutReply) {
    const uint64_t start = testbed::Now();
    ExpectFailure(Request(kShareInfo), RequestFailure::BodyTooLong);
    EXPECT_LT(testbed::SecondsSince(start), 20.0);
}

TEST(WebSlow, SlowAnswerIsWaitedFor) {
    const uint64_t start = testbed::Now();
    const ApplianceReply reply = Request(kPoolInfo);
    EXPECT_EQ(reply.status, 200);
    EXPECT_GE(testbed::SecondsSince(start), 1.9);
    EXPECT_EQ(reply.Value("pool_names()"), "Volume_1,Volume_2");
}
