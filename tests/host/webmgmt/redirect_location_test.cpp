#include "webmgmt/redirect_location.h"
#include <gtest/gtest.h>

TEST(RedirectLocation, TargetIsTheRestOfTheHeaderLine) {
    const std::string headers =
        "HTTP/1.1 302 Found\r\nContent-Length: 0\r\nLocation: http://10.77.0.2/redirected/x.asp?a=1\r\nServer: s\r\n\r\n";
    EXPECT_EQ(RedirectLocation(headers), "http://10.77.0.2/redirected/x.asp?a=1");
    EXPECT_EQ(RedirectLocation("HTTP/1.1 302 Found\r\nLocation: http://h/p"), "http://h/p");
    EXPECT_EQ(RedirectLocation("Location: \r\n"), "");
}

TEST(RedirectLocation, HeaderNameMatchesAtLineStartInAnyCase) {
    EXPECT_EQ(RedirectLocation("HTTP/1.1 302 Found\r\nlocation: http://h/p\r\n\r\n"), "http://h/p");
    EXPECT_EQ(RedirectLocation("HTTP/1.1 302 Found\r\nLOCATION:http://h/p\r\n\r\n"), "http://h/p");
    // Content-Location names the body's own address, not where to go.
    EXPECT_EQ(RedirectLocation("HTTP/1.1 302 Found\r\nContent-Location: http://evil/x\r\nLocation: http://h/p\r\n"),
              "http://h/p");
    EXPECT_FALSE(RedirectLocation("HTTP/1.1 302 Found\r\nContent-Location: http://evil/x\r\n\r\n"));
    EXPECT_FALSE(RedirectLocation("HTTP/1.1 302 Found\r\nX-Old: Location: http://evil/x\r\n\r\n"));
}
