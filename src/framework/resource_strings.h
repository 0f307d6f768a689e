// Texts from the string table, in the language variant the resource loader picks for this thread.
#pragma once
#include <windows.h>
#include <string>

std::string LoadResString(UINT id);
