#include "app/quickmap_app.h"
#include "platform/remembered_connections.h"
#include "app/app_globals.h"
#include "app/command_line.h"
#include "app/language.h"
#include "app/quickmap_dlg.h"
#include "framework/thread_language.h"
#include <winsock2.h>
#include <cstring>
#include <vector>

const char kInstanceName[] = "Harborbox Quickmap";
const char kRunKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValueName[] = "QX Harborbox Quickmap";

namespace {
const char kOwnerCaption[] = "QX Harborbox";

// Every top-level window with the running instance's caption: while the wizard shows a message box, the box
// carries that caption too and may be found first, so a command posted only there would be lost.
std::vector<HWND> WindowsWithCaption(const char* caption) {
    struct Search {
        const char* caption;
        std::vector<HWND> found;
    } search{caption, {}};
    ::EnumWindows(
        [](HWND hwnd, LPARAM context) -> BOOL {
            auto* s = reinterpret_cast<Search*>(context);
            char text[64] = {};
            ::GetWindowTextA(hwnd, text, sizeof text);
            if (std::strcmp(text, s->caption) == 0) s->found.push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool IsNtPlatform() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    return ::GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
}  // namespace

void WriteRunValue() {
    HKEY raw = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                          nullptr, &raw, nullptr) != ERROR_SUCCESS)
        return;
    fw::unique_hkey key(raw);
    char path[MAX_PATH + 1] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    // Quoted: under "C:\Program Files\..." an unquoted path lets Windows start "C:\Program.exe" at logon.
    std::string data = "\"" + std::string(path, length) + "\" -s";
    ::RegSetValueExA(key.get(), kRunValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                     static_cast<DWORD>(data.size() + 1));
}

void DeleteRunValue() {
    HKEY raw = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKeyPath, 0, KEY_ALL_ACCESS, &raw) != ERROR_SUCCESS) return;
    fw::unique_hkey key(raw);
    ::RegDeleteValueA(key.get(), kRunValueName);
}

void ApplySystemLanguage() {
    const LCID locale = ::GetSystemDefaultLCID();
    if (IsNtPlatform()) fw::SetProgramLanguage(locale);
    g_strLanguage = LanguageForPrimaryLanguage(PRIMARYLANGID(LANGIDFROMLCID(locale)));
}

CQuickmapApp::CQuickmapApp() : CWinApp(kInstanceName) {}

CQuickmapApp* QuickmapApp() { return static_cast<CQuickmapApp*>(AfxGetApp()); }

BOOL CQuickmapApp::ForwardToRunningInstance() {
    UINT command = ID_CMD_SHOW;
    switch (ForwardedCommandFor(m_strCommandLine)) {
    case ForwardedCommand::None: return TRUE;
    case ForwardedCommand::Exit: command = ID_CMD_EXIT; break;
    case ForwardedCommand::Show: break;
    }
    // A message box ignores these command ids, so posting to each window with the caption is safe.
    for (HWND window : WindowsWithCaption(kInstanceName))
        ::PostMessageA(window, WM_COMMAND, command, command == ID_CMD_EXIT ? kExitWithoutAsking : 0);
    return TRUE;
}

BOOL CQuickmapApp::InitInstance() {
    HANDLE mutex = ::CreateMutexA(nullptr, TRUE, kInstanceName);
    const bool alreadyRunning = mutex && ::GetLastError() == ERROR_ALREADY_EXISTS;
    m_instanceMutex.reset(mutex);  // owned until the process ends
    if (alreadyRunning) return ForwardToRunningInstance();
    m_bFirstInstance = true;

    if (IsUninstallSwitch(m_strCommandLine)) return TRUE;
    if (IsHiddenStartSwitch(m_strCommandLine)) m_bShowOnStart = 0;

    WriteRunValue();

    ApplySystemLanguage();

    WSADATA wsaData = {};
    if (::WSAStartup(MAKEWORD(2, 0), &wsaData) != 0) {
        if (wsaData.wVersion != MAKEWORD(2, 0))
            ::MessageBoxA(nullptr, "Incorrect version of WS2_32.dll found", "Error", MB_OK);
        ::WSACleanup();
        return FALSE;
    }

    // Where Windows does not connect remembered drive letters at logon (Wine), they come back now.
    RestoreRememberedConnections();

    if (!m_wndOwner.m_hWnd &&
        !m_wndOwner.CreateEx(0, kOwnerCaption, WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                             nullptr, nullptr))
        return FALSE;

    auto* wizard = new CQuickmapDlg(&m_wndOwner);
    if (!wizard->m_hWnd) {
        delete wizard;
        return FALSE;
    }
    m_pMainWnd = wizard;
    return TRUE;
}

int CQuickmapApp::ExitInstance() {
    // The value belongs to the running instance: a second start that only forwarded a command keeps it.
    if (m_bFirstInstance) DeleteRunValue();
    ::WSACleanup();
    if (m_wndOwner.m_hWnd) m_wndOwner.DestroyWindow();  // takes the wizard window with it
    m_pMainWnd = nullptr;
    return CWinApp::ExitInstance();
}
