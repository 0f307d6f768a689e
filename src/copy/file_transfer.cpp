#include "copy/file_transfer.h"
#include "copy/copy_names.h"
#include "framework/handles.h"

namespace {
constexpr size_t kChunkBytes = 1 << 20;

bool Cancelled(const CopyProgress* progress) { return progress && progress->IsCancelled(); }

// 0 when all bytes are written; `sourceFailed` tells a read error from a write error.
DWORD CopyBytes(HANDLE in, HANDLE out, std::vector<char>& buffer, CopyProgress* progress, uint64_t& done,
                bool& sourceFailed) {
    for (;;) {
        if (Cancelled(progress)) return ERROR_REQUEST_ABORTED;
        DWORD read = 0;
        if (!::ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) {
            sourceFailed = true;
            return ::GetLastError();
        }
        if (read == 0) return 0;
        for (DWORD written = 0, offset = 0; offset < read; offset += written) {
            if (!::WriteFile(out, buffer.data() + offset, read - offset, &written, nullptr)) return ::GetLastError();
            // A write that takes nothing would never end.
            if (written == 0) return ERROR_WRITE_FAULT;
        }
        done += read;
        if (progress) progress->SetCurrentFileBytes(done);
    }
}

// Writes the partial file completely and closes it; 0 or the error, the partial file then removed.
DWORD WritePartialFile(HANDLE in, const std::wstring& partial, const FILE_BASIC_INFO& sourceInfo,
                       std::vector<char>& buffer, CopyProgress* progress, TransferResult& result) {
    // Read-only is set only once all bytes are in, so that an unfinished copy can still be removed.
    const DWORD attributes = sourceInfo.FileAttributes & ~(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
    fw::unique_file out(::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      attributes & ~FILE_ATTRIBUTE_READONLY, nullptr));
    if (!out) return ::GetLastError();
    DWORD error = CopyBytes(in, out.get(), buffer, progress, result.bytes, result.sourceFailed);
    if (!error && !::FlushFileBuffers(out.get())) error = ::GetLastError();
    if (!error) {
        // The source's times, and its attributes when read-only is among them (0 leaves them as they are).
        FILE_BASIC_INFO times = sourceInfo;
        times.FileAttributes = (attributes & FILE_ATTRIBUTE_READONLY) ? attributes : 0;
        if (!::SetFileInformationByHandle(out.get(), FileBasicInfo, &times, sizeof times))
            result.attributesError = ::GetLastError();
    }
    // A late write error of the network shows up only here.
    if (!::CloseHandle(out.release()) && !error) error = ::GetLastError();
    if (error) ::DeleteFileW(partial.c_str());
    return error;
}

// Removes a partial file that may already carry the source's read-only attribute.
void RemovePartialFile(const std::wstring& partial) {
    ::SetFileAttributesW(partial.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(partial.c_str());
}

// Gives the complete partial file its final name, never replacing a file: a taken name gets the next copy name.
DWORD RenameToFinal(const std::wstring& partial, const CopyProgress* progress, TransferResult& result) {
    for (;;) {
        if (::MoveFileExW(partial.c_str(), result.finalPath.c_str(), 0)) return 0;
        const DWORD error = ::GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return error;
        if (Cancelled(progress)) return ERROR_REQUEST_ABORTED;
        result.finalPath = MakeCopyName(result.finalPath);
    }
}
}  // namespace

TransferResult TransferFile(const std::wstring& source, const std::wstring& destination, std::vector<char>& buffer,
                            CopyProgress* progress) {
    TransferResult result;
    result.finalPath = destination;
    fw::unique_file in(::CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                     FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    // The basic information only: asking for all of it costs a round trip to the Wine server per file.
    FILE_BASIC_INFO info;
    if (!in || !::GetFileInformationByHandleEx(in.get(), FileBasicInfo, &info, sizeof info)) {
        result.error = ::GetLastError();
        result.sourceFailed = true;
        return result;
    }
    if (buffer.size() < kChunkBytes) buffer.resize(kChunkBytes);
    const size_t nameStart = destination.rfind(L'\\') + 1;
    const std::wstring partial = destination.substr(0, nameStart) + PartialFileName(destination.substr(nameStart));
    result.error = WritePartialFile(in.get(), partial, info, buffer, progress, result);
    if (result.error) return result;
    result.error = RenameToFinal(partial, progress, result);
    if (result.error) RemovePartialFile(partial);
    return result;
}

void RemovePartialFiles(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    fw::unique_find find(::FindFirstFileExW((folder + L"~*.qmpart").c_str(), FindExInfoBasic, &entry,
                                            FindExSearchNameMatch, nullptr, 0));
    if (!find) return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsPartialFileName(entry.cFileName))
            ::DeleteFileW((folder + entry.cFileName).c_str());
    } while (::FindNextFileW(find.get(), &entry));
}
