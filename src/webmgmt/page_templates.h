// The appliance's management pages, as request templates relative to the appliance (printf formats).
#pragma once

extern const char g_strUrlSetDeviceName[];
extern const char g_strUrlAddShare[];
extern const char g_strUrlSafelyRemove[];
extern const char g_strUrlDeleteShare[];
extern const char g_strUrlSetLanguage[];
