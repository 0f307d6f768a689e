// Process-wide texts: the chosen language, the reply file, media extension lists and appliance page templates.
#pragma once
#include "copy/media_extensions.h"
#include <string>

extern std::string g_strLanguage;   // "English" until start-up picks the system's language
extern std::string g_strTempFile;   // reply body file, set when the wizard window initialises

extern const char g_strUrlSetDeviceName[];
extern const char g_strUrlAddShare[];
extern const char g_strUrlSafelyRemove[];
extern const char g_strUrlDeleteShare[];
extern const char g_strUrlSetLanguage[];
