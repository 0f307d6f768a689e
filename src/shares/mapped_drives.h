// The computer's network drive letters and the free ones. Each call asks the Windows network and can
// wait on it: workers call these, and hand the results to the window as values.
#pragma once
#include "shares/share_names.h"
#include <windows.h>
#include <string>
#include <vector>

// The network drive letters in ascending order with their universal paths.
std::vector<MappedDrive> ScanMappedDrives();
// The universal name of a network drive letter; empty when the system cannot tell.
std::string UniversalNameOfDrive(char letter);
// The highest free letter as a one-character string; empty when no letter is free, so that a connection
// to it fails with the usual message.
std::string FindFreeDriveLetter();
// The free letters from Z down to D for the add-share dialog's drop-down (A, B and C are never offered).
std::vector<char> FreeLettersForCombo();
// Window side: "None" and then `letters`, with "None" selected.
void FillDriveLetterCombo(HWND combo, const std::vector<char>& letters);
