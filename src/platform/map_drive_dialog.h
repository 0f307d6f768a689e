// The "Map Network Drive" dialog of the stand-in, in the shape of WNetConnectionDialog1A: the folder is
// shown read-only, the user picks a free drive letter; OK connects it (remembered), Cancel gives -1.
#pragma once
#include <windows.h>
#include <winnetwk.h>

DWORD WINAPI MapDriveDialog(LPCONNECTDLGSTRUCTA dialog);
