#include "app/quickmap_app.h"

// The one application object; WinMain finds it through the framework.
CQuickmapApp theApp;
