#include "shares/mapped_drives.h"
#include "framework/resource_strings.h"
#include "platform/free_drive_letter.h"
#include "platform/wnet_table.h"
#include "res/resource.h"

std::vector<MappedDrive> ScanMappedDrives() {
    std::vector<MappedDrive> drives;
    const DWORD mask = WNet().GetLogicalDrives();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        if (!(mask & (1u << (letter - 'A')))) continue;
        const char root[] = {letter, ':', '\\', '\0'};
        if (WNet().GetDriveTypeA(root) != DRIVE_REMOTE) continue;
        drives.push_back({letter, UniversalNameOfDrive(letter)});
    }
    return drives;
}

std::string UniversalNameOfDrive(char letter) {
    alignas(UNIVERSAL_NAME_INFOA) char buffer[1024];
    const DWORD answer = GetDriveUniversalName(letter, UNIVERSAL_NAME_INFO_LEVEL, buffer, sizeof buffer);
    const auto* info = reinterpret_cast<const UNIVERSAL_NAME_INFOA*>(buffer);
    return answer == NO_ERROR && info->lpUniversalName ? info->lpUniversalName : std::string();
}

std::string FindFreeDriveLetter() {
    const DWORD mask = WNet().GetLogicalDrives();
    for (char letter = 'Z'; letter >= 'A'; --letter)
        if (IsDriveLetterFree(letter, mask)) return std::string(1, letter);
    return std::string();
}

std::vector<char> FreeLettersForCombo() {
    std::vector<char> letters;
    const DWORD mask = WNet().GetLogicalDrives();
    for (char letter = 'Z'; letter >= 'D'; --letter)
        if (IsDriveLetterFree(letter, mask)) letters.push_back(letter);
    return letters;
}

void FillDriveLetterCombo(HWND combo, const std::vector<char>& letters) {
    ::SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LoadResString(IDS_DRIVE_NONE).c_str()));
    for (char letter : letters) {
        const char text[] = {letter, '\0'};
        ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
}
