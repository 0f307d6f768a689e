#include "platform/free_drive_letter.h"
#include "platform/wnet_table.h"

bool IsDriveLetterFree(char letter, DWORD mask) {
    if (mask & (1u << (letter - 'A'))) return false;
    const char device[] = {letter, ':', '\0'};
    char buffer[1024];
    DWORD answer;
    do {
        DWORD size = sizeof buffer;
        answer = WNet().WNetGetUniversalNameA(device, REMOTE_NAME_INFO_LEVEL, buffer, &size);
        if (answer == ERROR_IO_PENDING) ::Sleep(500);
    } while (answer == ERROR_IO_PENDING);
    return answer == ERROR_NOT_CONNECTED;
}
