#include "test_bed.h"
#include <winsock2.h>
#include <cstdlib>
#include <fstream>

namespace testbed {
std::string Env(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value ? value : fallback;
}

uint32_t Address(const std::string& dotted) { return ::inet_addr(dotted.c_str()); }

uint32_t ApplianceAddress() { return Address(Env("QM_APPLIANCE_IP", "10.77.0.2")); }

std::vector<std::string> SimLogLines() {
    std::vector<std::string> lines;
    std::ifstream in(Env("QM_SIM_LOG"));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

size_t SimLogCount(const std::string& needle) {
    size_t count = 0;
    for (const std::string& line : SimLogLines())
        if (line.find(needle) != std::string::npos) ++count;
    return count;
}

uint64_t Now() { return ::GetTickCount64(); }

double SecondsSince(uint64_t startTicks) { return double(::GetTickCount64() - startTicks) / 1000.0; }
}  // namespace testbed
