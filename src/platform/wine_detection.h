// Whether the program runs under Wine, told by ntdll's wine_get_version export.
#pragma once

bool RunningUnderWine();
