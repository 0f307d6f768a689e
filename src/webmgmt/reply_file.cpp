#include "webmgmt/reply_file.h"
#include "framework/handles.h"
#include "framework/wait_cursor.h"
#include "webmgmt/reply_lookup.h"
#include <windows.h>

std::string g_strTempFile;

namespace {
const char kReplyFileName[] = "Harborbox.tmp";
}

std::string DefaultReplyFilePath() {
    char directory[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathA(MAX_PATH, directory);
    if (length == 0 || length > MAX_PATH) return std::string(".\\") + kReplyFileName;
    return std::string(directory, length) + kReplyFileName;
}

std::string ReplyFilePath() {
    return g_strTempFile.empty() ? DefaultReplyFilePath() : g_strTempFile;
}

std::string FindReplyValue(const std::string& marker, ReplyStatus* status) {
    CWaitCursor wait;
    fw::unique_handle file(::CreateFileA(ReplyFilePath().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        const DWORD error = ::GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        if (status) *status = missing ? ReplyStatus::Missing : ReplyStatus::Present;
        return "";
    }
    if (status) *status = ReplyStatus::Present;
    // The request layer never stores more than the limit; a file grown beyond it is read up to it.
    std::string bytes(kReplyFileLimit, '\0');
    DWORD total = 0, got = 0;
    while (total < bytes.size() &&
           ::ReadFile(file.get(), &bytes[total], static_cast<DWORD>(bytes.size() - total), &got, nullptr) && got > 0)
        total += got;
    bytes.resize(total);
    return FindReplyValueIn(bytes, marker);
}
