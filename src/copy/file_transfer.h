// One file's bytes copied into its destination folder, chunk by chunk, so that progress is seen within a
// large file and a Cancel stops it there. (Wine's CopyFileEx never calls its progress routine and ignores
// its cancel flag, so it cannot serve either.) The bytes go to a partial file first ("~name.qmpart"), which is
// flushed and closed with its result checked, and only then renamed to the final name without replacing
// anything: a file under its final name is always complete, and an unfinished copy leaves no file behind
// (or, when even the removal fails, only a partial file that the next copy into the folder removes).
#pragma once
#include "copy/copy_progress.h"
#include <windows.h>
#include <string>
#include <vector>

struct TransferResult {
    DWORD error = 0;              // 0 when the file arrived
    bool sourceFailed = false;    // the error was met reading the source, not writing the destination
    DWORD attributesError = 0;    // arrived, but its times or attributes could not be kept
    std::wstring finalPath;       // where it arrived
    uint64_t bytes = 0;           // how many bytes it has
};

// Copies `source` to `destination` (both extended-length paths); a taken name gets the next copy name,
// also when another program takes it while the copy runs. ERROR_REQUEST_ABORTED after Cancel.
// `buffer` is reused across calls.
TransferResult TransferFile(const std::wstring& source, const std::wstring& destination, std::vector<char>& buffer,
                            CopyProgress* progress);

// Removes partial files that a killed copy left in `folder` (which ends with "\\").
void RemovePartialFiles(const std::wstring& folder);
