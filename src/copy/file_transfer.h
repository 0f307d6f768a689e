// One file's bytes copied into its destination folder, chunk by chunk, so that progress is seen within a
// large file and a Cancel stops it there. (Wine's CopyFileEx never calls its progress routine and ignores
// its cancel flag, so it cannot serve either.) The bytes go to a partial file first ("~name.qmpart"), which is
// flushed and only then renamed to the final name without replacing anything, and closed with its result
// checked (a failing close takes the file away again): a file under its final name is always complete, and
// an unfinished copy leaves no file behind (or, when even the removal fails, only a partial file that the next
// copy into the folder removes). Writing and finishing are two steps, so that a file can be finished on
// another thread while the next one is written.
#pragma once
#include "copy/copy_progress.h"
#include "framework/handles.h"
#include <windows.h>
#include <string>
#include <vector>

struct TransferResult {
    DWORD error = 0;              // 0 when the file arrived
    bool sourceFailed = false;    // the error was met reading the source, not writing the destination
    DWORD attributesError = 0;    // arrived, but its times or attributes could not be kept
    std::wstring source;          // what was copied
    std::wstring finalPath;       // where it arrived
    uint64_t bytes = 0;           // how many bytes it has
};

// A file whose bytes are all in its open partial file, waiting to be finished.
struct WrittenFile {
    fw::unique_file file;
    std::wstring partial;
    FILE_BASIC_INFO sourceInfo{};
    TransferResult result;  // error 0; finalPath the name it is meant to get
};

// Writes the bytes of `source` into a new partial file beside `destination` (both extended-length paths).
// On success `written` holds the open file and the result's error is 0; otherwise nothing is left behind.
// ERROR_REQUEST_ABORTED after Cancel. `buffer` is reused across calls.
TransferResult WriteFileBytes(const std::wstring& source, const std::wstring& destination, std::vector<char>& buffer,
                              CopyProgress* progress, WrittenFile& written);

// Flushes the written file, gives it its final name (a taken name gets the next copy name, also when another
// program takes it meanwhile), keeps the source's times and closes it; on a failure or Cancel
// (ERROR_REQUEST_ABORTED) neither the partial file nor a final one is left.
TransferResult FinishWrittenFile(WrittenFile& written, const CopyProgress* progress);

// Removes partial files that a killed copy left in `folder` (which ends with "\\").
void RemovePartialFiles(const std::wstring& folder);
