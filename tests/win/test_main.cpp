// The Wine test runner: a framework application object (so the program's code finds one), Winsock, GoogleTest.
#include "framework/app.h"
#include "framework/test_bed_guard.h"
#include <cstdio>
#include <gtest/gtest.h>
#include <winsock2.h>

namespace {
CWinApp g_testApp("Quickmap tests");
}

int main(int argc, char** argv) {
    const std::string refusal = TestBedRefusal();
    if (!refusal.empty()) {
        std::fprintf(stderr, "quickmap_win_tests: %s\n", refusal.c_str());
        return 3;
    }
    testing::InitGoogleTest(&argc, argv);
    WSADATA wsa;
    if (::WSAStartup(MAKEWORD(2, 0), &wsa) != 0) return 2;
    const int result = RUN_ALL_TESTS();
    ::WSACleanup();
    return result;
}
