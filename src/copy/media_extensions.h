// The four media extension lists that decide where a dropped item goes. They are plain text searched by
// substring, not lists of entries: their odd spots (a double dot, "mpeg2" without its dot) decide routes.
#pragma once

extern const char g_musicExtensions[];
extern const char g_videoExtensions[];
extern const char g_photoExtensions[];
extern const char g_programExtensions[];
