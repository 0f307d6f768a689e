#include "platform/free_drive_letter.h"
#include "platform/wnet_table.h"

bool IsDriveLetterFree(char letter, DWORD mask) {
    if (mask & (1u << (letter - 'A'))) return false;
    char buffer[1024];
    return GetDriveUniversalName(letter, REMOTE_NAME_INFO_LEVEL, buffer, sizeof buffer) == ERROR_NOT_CONNECTED;
}
