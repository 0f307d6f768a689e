// Process-wide texts: the chosen language and the media extension lists.
#pragma once
#include <string>

extern std::string g_strLanguage;   // "English" until start-up picks the system's language

extern const char g_musicExtensions[];
extern const char g_videoExtensions[];
extern const char g_photoExtensions[];
extern const char g_programExtensions[];
