// One file's bytes copied to a new file, chunk by chunk, so that progress is seen within a large file and
// a Cancel stops it there. (Wine's CopyFileEx never calls its progress routine and ignores its cancel
// flag, so it cannot serve either.) The new file gets the source's times and attributes, as a system copy
// does; a copy that does not complete leaves no file behind.
#pragma once
#include "copy/copy_progress.h"
#include <windows.h>
#include <string>
#include <vector>

// 0 when copied; otherwise the system's error code (ERROR_FILE_EXISTS when `destination` is taken,
// ERROR_REQUEST_ABORTED after Cancel). `buffer` is reused across calls.
DWORD TransferFile(const std::string& source, const std::string& destination, std::vector<char>& buffer,
                   CopyProgress* progress);
