// One copy of a file or folder tree into a destination folder, timed inside the process; prints seconds.
// Usage: bench_copy.exe quickmap|floor <source> <destination folder>
//   quickmap  the program's way: count the work, then the copy engine with its progress figures
//   floor     the platform's own floor: a bare loop of CopyFileA calls over the same files
// Like every program of ours under Wine, it runs only inside the test bed's workstation namespace.
#include "copy/copy_counter.h"
#include "copy/file_copier.h"
#include "copy/wide_text.h"
#include "framework/test_bed_guard.h"
#include <windows.h>
#include <cstdio>
#include <cstring>
#include <string>

namespace {
bool CopyWithCopyFileA(const std::string& source, const std::string& destination) {
    const DWORD attributes = ::GetFileAttributesA(source.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return ::CopyFileA(source.c_str(), destination.c_str(), TRUE) != 0;
    if (!::CreateDirectoryA(destination.c_str(), nullptr)) return false;
    WIN32_FIND_DATAA entry;
    HANDLE find = ::FindFirstFileA((source + "\\*.*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        ok = CopyWithCopyFileA(source + "\\" + name, destination + "\\" + name) && ok;
    } while (::FindNextFileA(find, &entry));
    ::FindClose(find);
    return ok;
}

bool CopyLikeQuickmap(const std::string& source, const std::string& destination) {
    CopyProgress progress;
    const CopyAmount amount = CountCopyWork(WideText(source));
    progress.AddWork(amount.files, amount.bytes);
    CFileCopier copier(&progress);
    const bool ok = copier.Copy(WideText(source), WideText(destination));
    if (!ok) std::fprintf(stderr, "copy failed: %s\n", copier.LastErrorText().c_str());
    return ok && progress.Figures().filesDone == amount.files;
}
}  // namespace

int main(int argc, char** argv) {
    const std::string refusal = TestBedRefusal();
    if (!refusal.empty()) {
        std::fprintf(stderr, "bench_copy: %s\n", refusal.c_str());
        return 3;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_copy.exe quickmap|floor <source> <destination folder>\n");
        return 2;
    }
    const std::string mode = argv[1], source = argv[2], destination = argv[3];
    const size_t slash = source.find_last_of('\\');
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    bool ok = false;
    if (mode == "quickmap") {
        ok = CopyLikeQuickmap(source, destination);
    } else if (mode == "floor") {
        ::CreateDirectoryA(destination.c_str(), nullptr);
        ok = CopyWithCopyFileA(source, destination + "\\" + source.substr(slash + 1));
    }
    ::QueryPerformanceCounter(&end);
    std::printf("%.3f\n", double(end.QuadPart - start.QuadPart) / double(frequency.QuadPart));
    return ok ? 0 : 1;
}
