#include "framework/app.h"
#include "framework/test_bed_guard.h"
#include <cstdio>
#include <string>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const std::string refusal = TestBedRefusal();
    if (!refusal.empty()) {
        std::fprintf(stderr, "Quickmap: %s\n", refusal.c_str());
        return 3;
    }
    CWinApp* app = AfxGetApp();
    const int code = app ? app->RunApplication(instance, commandLine) : 1;
    // Workers may still wait on the network (a scan over silent subnets, a slow page). Ending the process
    // here stops them before any static object they might still use is destroyed.
    ::ExitProcess(static_cast<UINT>(code));
}
