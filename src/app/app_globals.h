// Process-wide texts: the chosen language and the media extension lists.
#pragma once
#include "copy/media_extensions.h"
#include <string>

extern std::string g_strLanguage;   // "English" until start-up picks the system's language
