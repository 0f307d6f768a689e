// What the test bed tells a Wine test about the network it runs in.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testbed {
std::string Env(const char* name, const char* fallback = "");
uint32_t Address(const std::string& dotted);                // network order
uint32_t ApplianceAddress();                                 // QM_APPLIANCE_IP
std::vector<std::string> SimLogLines();                      // the simulated appliance's request log
size_t SimLogCount(const std::string& needle);               // its lines that contain `needle`
double SecondsSince(uint64_t startTicks);
uint64_t Now();
}  // namespace testbed
