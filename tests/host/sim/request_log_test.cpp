#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "appliance-sim/ipv4.h"
#include "appliance-sim/request_log.h"

namespace appliance_sim {
namespace {

TEST(RequestLog, LineFormatIsWhatTestScriptsGrepFor) {
    EXPECT_EQ(format_log_line(1700000000123, *parse_ipv4("10.77.0.1"), 50123, *parse_ipv4("255.255.255.255"), 1, 12),
              "1700000000123 10.77.0.1:50123 -> 255.255.255.255 cmd=1 len=12");
    EXPECT_EQ(format_log_line(5, *parse_ipv4("10.77.0.1"), 1, *parse_ipv4("10.77.0.2"), -1, 3),
              "5 10.77.0.1:1 -> 10.77.0.2 cmd=-1 len=3");
}

TEST(RequestLog, EachRecordIsOnDiskAtOnce) {
    const std::string path = ::testing::TempDir() + "sim_request_log_test.log";
    RequestLog log(path);
    log.record(*parse_ipv4("10.77.0.1"), 4000, *parse_ipv4("10.77.0.2"), 3, 16);
    std::ifstream in(path);
    std::string line;
    ASSERT_TRUE(std::getline(in, line));
    EXPECT_NE(line.find(" 10.77.0.1:4000 -> 10.77.0.2 cmd=3 len=16"), std::string::npos) << line;
    std::remove(path.c_str());
}

}  // namespace
}  // namespace appliance_sim
