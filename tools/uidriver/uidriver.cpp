// Acts on a running program's windows for the demo's screenshots, from inside the same Wine desktop:
//   uidriver click <caption> <control id>                 presses a button of the window
//   uidriver post <caption> <control id> <msg> <wParam> <lParam>   posts a message to that window
//   uidriver postto <caption> <control id> <msg> <wParam> <lParam> posts a message to that control
//   uidriver drop <caption> <control id> <path>...       drops files on the control, as the shell does
//   uidriver text <caption> <control id>                  prints the control's text: scripts wait on it
// The window is the top-level one with that caption that holds the control (a message box may share it;
// its text is control 65535); control id 0 takes the first window with the caption.
#include <windows.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <shlobj.h>
#include <string>

namespace {
struct Search {
    const char* caption;
    int controlId;
    HWND found;
};

HWND FindWindowWithControl(const char* caption, int controlId) {
    Search search{caption, controlId, nullptr};
    for (int attempt = 0; attempt < 100 && !search.found; ++attempt) {
        ::EnumWindows(
            [](HWND hwnd, LPARAM context) -> BOOL {
                auto* s = reinterpret_cast<Search*>(context);
                char text[256] = {};
                ::GetWindowTextA(hwnd, text, sizeof text);
                if (std::strcmp(text, s->caption) != 0) return TRUE;
                if (s->controlId != 0 && !::GetDlgItem(hwnd, s->controlId)) return TRUE;
                s->found = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(100);
    }
    return search.found;
}
// The shell hands a drop over as a DROPFILES block in the target's memory; a block of fixed memory is its
// own handle, so one written into the target process serves as the HDROP there.
int DropFiles(HWND control, int count, char** paths) {
    std::string block(sizeof(DROPFILES), '\0');
    auto* header = reinterpret_cast<DROPFILES*>(block.data());
    header->pFiles = sizeof(DROPFILES);
    header->pt = {10, 10};
    for (int i = 0; i < count; ++i) block += std::string(paths[i]) + '\0';
    block += '\0';
    DWORD processId = 0;
    ::GetWindowThreadProcessId(control, &processId);
    HANDLE process = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId);
    if (!process) return 1;
    void* remote = ::VirtualAllocEx(process, nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    const bool written = remote && ::WriteProcessMemory(process, remote, block.data(), block.size(), nullptr);
    ::CloseHandle(process);
    if (!written) return 1;
    ::PostMessageA(control, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: uidriver click <caption> <id> | post|postto <caption> <id> <msg> <wParam> <lParam> | "
                             "settext <caption> <id> <text> | drop <caption> <id> <path>... | text <caption> <id>\n");
        return 2;
    }
    HWND window = FindWindowWithControl(argv[2], std::atoi(argv[3]));
    if (!window) return 1;
    if (std::strcmp(argv[1], "click") == 0) {
        ::PostMessageA(::GetDlgItem(window, std::atoi(argv[3])), BM_CLICK, 0, 0);
        return 0;
    }
    if ((std::strcmp(argv[1], "post") == 0 || std::strcmp(argv[1], "postto") == 0) && argc == 7) {
        const HWND target = std::strcmp(argv[1], "post") == 0 ? window : ::GetDlgItem(window, std::atoi(argv[3]));
        ::PostMessageA(target, static_cast<UINT>(std::strtoul(argv[4], nullptr, 0)),
                       static_cast<WPARAM>(std::strtoull(argv[5], nullptr, 0)),
                       static_cast<LPARAM>(std::strtoll(argv[6], nullptr, 0)));
        return 0;
    }
    if (std::strcmp(argv[1], "settext") == 0 && argc == 5) {
        // Sent, not posted: the text is copied into the other process only for a sent WM_SETTEXT.
        ::SendMessageA(::GetDlgItem(window, std::atoi(argv[3])), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
        return 0;
    }
    if (std::strcmp(argv[1], "text") == 0 && argc == 4) {
        // The text the window keeps: read without sending the other process a message it could be slow to answer.
        char text[1024] = {};
        ::GetWindowTextA(::GetDlgItem(window, std::atoi(argv[3])), text, sizeof text);
        std::printf("%s\n", text);
        return 0;
    }
    if (std::strcmp(argv[1], "drop") == 0 && argc > 4)
        return DropFiles(::GetDlgItem(window, std::atoi(argv[3])), argc - 4, argv + 4);
    return 2;
}
