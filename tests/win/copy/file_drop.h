// Files dropped as the shell drops them: a DROPFILES block in global memory, posted as WM_DROPFILES.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

void PostFileDrop(HWND target, const std::vector<std::string>& paths);
void PostWideFileDrop(HWND target, const std::vector<std::wstring>& paths);
