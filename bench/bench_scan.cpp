// One discovery scan against the simulated appliances the test bed started; prints what it found, how long
// the scan took and when its first appliance was handed on. Usage: bench_scan.exe <appliances expected>
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
    ScanOptions options;
    const ULONGLONG start = ::GetTickCount64();
    ULONGLONG firstEntry = 0;
    options.onEntry = [&](const DeviceEntry&) {
        if (firstEntry == 0) firstEntry = ::GetTickCount64();
    };
    ScanForDevices(registry, options);
    const double seconds = double(::GetTickCount64() - start) / 1000.0;
    const double first = firstEntry ? double(firstEntry - start) / 1000.0 : -1.0;
    std::printf("appliances=%d found=%d seconds=%.2f first_entry_s=%.3f\n", expected, registry.deviceCount, seconds,
                first);
    ::WSACleanup();
    return registry.deviceCount == expected ? 0 : 1;
}
