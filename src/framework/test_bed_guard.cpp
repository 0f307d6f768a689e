#include "framework/test_bed_guard.h"
#include "framework/handles.h"
#include <windows.h>
#include <cstdlib>
#include <string>

namespace {
// The inode of the network namespace our sockets live in. Wine opens files in its server, which holds the
// sockets too, and reports a file's inode as its internal index.
bool ReadOwnNetworkNamespace(unsigned long long& inode) {
    // Through whichever drive Wine maps onto the Linux root (the test bed keeps Z: for network drives).
    using DosFileName = WCHAR*(CDECL*)(LPCSTR);
    const auto dosFileName = reinterpret_cast<DosFileName>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    WCHAR* path = dosFileName ? dosFileName("/proc/self/ns/net") : nullptr;
    if (!path) return false;
    const fw::unique_file file(::CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ::HeapFree(::GetProcessHeap(), 0, path);
    if (!file) return false;
    using QueryFn = LONG(WINAPI*)(HANDLE, void*, void*, ULONG, int);
    const auto query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationFile")));
    if (!query) return false;
    ULONG_PTR status[2] = {};
    LARGE_INTEGER index = {};
    constexpr int kFileInternalInformation = 6;
    if (query(file.get(), status, &index, sizeof index, kFileInternalInformation) != 0) return false;
    inode = static_cast<unsigned long long>(index.QuadPart);
    return true;
}
}  // namespace

bool IsRunningUnderWine() {
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

std::string TestBedRefusal() {
    if (!IsRunningUnderWine()) return std::string();
    const char* marker = std::getenv("QM_TESTBED_NETNS");
    if (!marker || !*marker)
        return "refusing to run under Wine outside the test bed (QM_TESTBED_NETNS is not set): this program "
               "broadcasts on every local network; start it through scripts/demo, scripts/test or scripts/bench";
    unsigned long long own = 0;
    if (!ReadOwnNetworkNamespace(own)) return "refusing to run: cannot read the network namespace of this process";
    if (std::to_string(own) != marker)
        return "refusing to run: this process is not in the test bed's workstation namespace (net:[" +
               std::to_string(own) + "], expected net:[" + marker + "])";
    return std::string();
}
