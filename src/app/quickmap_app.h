// The process: single instance, start-with-Windows value, language, Winsock, owner and wizard windows.
#pragma once
#include "framework/app.h"
#include "framework/handles.h"
#include "framework/wnd.h"
#include "res/command_ids.h"

// lParam of an ID_CMD_EXIT that needs no question first (a second start's, or one already asked).
constexpr LPARAM kExitWithoutAsking = 1;

extern const char kInstanceName[];      // mutex name and the wizard window's caption
extern const char kRunKeyPath[];
extern const char kRunValueName[];

class CQuickmapApp : public CWinApp {
public:
    CQuickmapApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    int m_bShowOnStart = 1;
    CWnd m_wndOwner;

private:
    BOOL ForwardToRunningInstance();
    fw::unique_handle m_instanceMutex;
    bool m_bFirstInstance = false;  // this process created the mutex
};

CQuickmapApp* QuickmapApp();

void WriteRunValue();
void DeleteRunValue();
// The language of this and every later thread, and g_strLanguage, from the system default locale; the
// resource loader then picks the string table, dialogs and help of that language variant.
void ApplySystemLanguage();
