// The application object: start-up, message loop and exit, in the shape the program was designed against.
#pragma once
#include <windows.h>
#include <string>

class CWnd;

class CWinApp {
public:
    explicit CWinApp(const char* appName);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return m_exitCode; }
    // Runs the message loop until WM_QUIT; returns ExitInstance's code.
    virtual int Run();

    // Called by WinMain; usable by a test harness too.
    int RunApplication(HINSTANCE instance, const char* commandLine);

    CWnd* m_pMainWnd = nullptr;
    std::string m_strCommandLine;
    const char* m_pszAppName;

protected:
    int m_exitCode = 0;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE instance);
