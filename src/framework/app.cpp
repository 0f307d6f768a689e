#include "framework/app.h"
#include "framework/com_apartment.h"
#include "framework/message_pump.h"
#include "framework/wnd.h"

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_instance = nullptr;
}  // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

int CWinApp::Run() {
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchWithDialogKeys(msg);
    m_exitCode = static_cast<int>(msg.wParam);
    return ExitInstance();
}

int CWinApp::RunApplication(HINSTANCE instance, const char* commandLine) {
    g_instance = instance;
    m_strCommandLine = commandLine ? commandLine : "";
    // The window thread's COM and OLE, for as long as any of its windows lives.
    const fw::ComApartment apartment(fw::ComApartment::Kind::Ole);
    if (!InitInstance()) return ExitInstance();
    // Success without a main window ends at once; the exit procedure still runs.
    if (!m_pMainWnd) return ExitInstance();
    return Run();
}

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

HINSTANCE AfxGetInstanceHandle() { return g_instance ? g_instance : ::GetModuleHandleA(nullptr); }

void AfxSetInstanceHandle(HINSTANCE instance) { g_instance = instance; }
