#include "app/app_globals.h"

std::string g_strLanguage = "English";
