// Whether two paths name the same folder, whatever spells them (a drive letter, a server's name or its
// address): by the volume and file index of an open handle, or by its final path.
#pragma once
#include <string>

// True when `destination`, or a folder above it, is the folder `source` (both extended-length paths).
bool IsInsideFolder(const std::wstring& destination, const std::wstring& source);

// True when both paths can be opened and are the same file or folder.
bool IsSameFile(const std::wstring& first, const std::wstring& second);
