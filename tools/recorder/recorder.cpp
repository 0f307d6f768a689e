// Stands in for the browser and the file manager in the test bed: appends its command line to the file
// named by QM_RECORDER_LOG, so tests observe what the program opened without opening anything.
#include <windows.h>
#include <cstdio>
#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const char* path = std::getenv("QM_RECORDER_LOG");
    if (!path || !*path) return 1;
    FILE* log = std::fopen(path, "ab");
    if (!log) return 1;
    std::fprintf(log, "%s\n", ::GetCommandLineA());
    std::fclose(log);
    return 0;
}
