// One discovery scan against the simulated appliances the test bed started; prints what it found and how long
// the scan took. Usage: bench_scan.exe <appliances expected>
#include "discovery/device_scan.h"
#include "framework/test_bed_guard.h"
#include <winsock2.h>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    const std::string refusal = TestBedRefusal();
    if (!refusal.empty()) {
        std::fprintf(stderr, "bench_scan: %s\n", refusal.c_str());
        return 3;
    }
    const int expected = argc > 1 ? std::atoi(argv[1]) : 0;
    WSADATA wsa;
    if (::WSAStartup(MAKEWORD(2, 0), &wsa) != 0) return 2;
    DeviceRegistry registry;
    const ULONGLONG start = ::GetTickCount64();
    ScanForDevices(registry);
    const double seconds = double(::GetTickCount64() - start) / 1000.0;
    std::printf("appliances=%d found=%d seconds=%.2f\n", expected, registry.deviceCount, seconds);
    ::WSACleanup();
    return registry.deviceCount == expected ? 0 : 1;
}
