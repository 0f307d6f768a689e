// The Basic header the program builds itself, byte for byte, and what the simulated appliance makes of it.
#include "appliance-sim/web_auth.h"
#include "webmgmt/basic_credentials.h"
#include <gtest/gtest.h>

TEST(BasicCredentials, EncodesTheExactBytesWithEveryPaddingLength) {
    EXPECT_EQ(BasicAuthorization("admin", "secret"), "Basic YWRtaW46c2VjcmV0");
    EXPECT_EQ(BasicAuthorization("admin", "nope"), "Basic YWRtaW46bm9wZQ==");
    EXPECT_EQ(BasicAuthorization("admin", "s"), "Basic YWRtaW46cw==");
    EXPECT_EQ(BasicAuthorization("admin", "se"), "Basic YWRtaW46c2U=");
    EXPECT_EQ(BasicAuthorization("", ""), "Basic Og==");
    // Bytes above 0x7F are taken as they are, never re-encoded: "Ä" in the Western code page, then in UTF-8.
    EXPECT_EQ(BasicAuthorization("admin", "s3cret-\xC4"), "Basic YWRtaW46czNjcmV0LcQ=");
    EXPECT_EQ(BasicAuthorization("admin", "s3cret-\xC3\x84"), "Basic YWRtaW46czNjcmV0LcOE");
}

TEST(BasicCredentials, TheApplianceTakesUtf8AndWesternBytesButNotTwiceConverted) {
    appliance_sim::WebSettings settings;
    settings.admin_user = "admin";
    settings.admin_password = "s3cret-\xC3\x84\xC3\xA9\xC3\x9F";  // "s3cret-Äéß" in UTF-8
    EXPECT_TRUE(appliance_sim::has_admin_credentials(BasicAuthorization("admin", "s3cret-\xC3\x84\xC3\xA9\xC3\x9F"),
                                                     settings));
    EXPECT_TRUE(appliance_sim::has_admin_credentials(BasicAuthorization("admin", "s3cret-\xC4\xE9\xDF"), settings));
    // UTF-8 taken for Western text and converted again, as Wine does with options given as ANSI text.
    EXPECT_FALSE(appliance_sim::has_admin_credentials(
        BasicAuthorization("admin", "s3cret-\xC3\x83\xE2\x80\x9E\xC3\x83\xC2\xA9\xC3\x83\xC5\xB8"), settings));
    EXPECT_FALSE(appliance_sim::has_admin_credentials(BasicAuthorization("admin", "s3cret-\xC4\xE9"), settings));
}
