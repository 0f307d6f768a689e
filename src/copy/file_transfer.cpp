#include "copy/file_transfer.h"
#include "copy/copy_names.h"
#include "framework/handles.h"
#include <cstring>

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

// Removes a file of ours that may already carry the source's read-only attribute.
bool RemoveFile(const std::wstring& path) {
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return ::DeleteFileW(path.c_str()) != 0;
}

// A new partial file in `folder` for the file `name`; `partial` gets its path. Not truncating an old one: the
// file system then writes the data back at once when it is closed, which costs half the time of a large
// file. A name taken is a leftover of a killed copy, which goes, or the partial file of another name still
// being finished (two names that differ only in case, or only after the first 247 characters): then a
// numbered variant is taken.
HANDLE CreatePartialFile(const std::wstring& folder, const std::wstring& name, DWORD attributes,
                         std::wstring& partial) {
    constexpr unsigned kVariants = 10;
    for (unsigned variant = 0; variant < kVariants;) {
        partial = folder + PartialFileName(name, variant);
        const HANDLE file = ::CreateFileW(partial.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, attributes,
                                          nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
        if (!RemoveFile(partial)) ++variant;
    }
    ::SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// Renames the open file in its folder, never replacing a file. Through the handle it costs one call
// where a rename by name opens, asks and closes the file again.
DWORD RenameOpenFile(HANDLE file, const std::wstring& target) {
    const DWORD nameBytes = static_cast<DWORD>(target.size() * sizeof(wchar_t));
    std::vector<char> storage(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(storage.data());
    info->ReplaceIfExists = FALSE;
    info->RootDirectory = nullptr;
    info->FileNameLength = nameBytes;
    std::memcpy(info->FileName, target.data(), nameBytes);
    if (::SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(storage.size()))) return 0;
    return ::GetLastError();
}

// Gives the complete file its final name; a taken name gets the next copy name.
DWORD RenameToFinal(HANDLE file, const CopyProgress* progress, TransferResult& result) {
    for (;;) {
        const DWORD error = RenameOpenFile(file, result.finalPath);
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return error;
        if (Cancelled(progress)) return ERROR_REQUEST_ABORTED;
        result.finalPath = MakeCopyName(result.finalPath);
    }
}

}  // namespace

TransferResult WriteFileBytes(const std::wstring& source, const std::wstring& destination, std::vector<char>& buffer,
                              CopyProgress* progress, WrittenFile& written) {
    TransferResult result;
    result.source = source;
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
    // Read-only is set only once the file has its final name, so that an unfinished copy can still be removed.
    const DWORD attributes = info.FileAttributes & ~(FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT);
    std::wstring partial;
    fw::unique_file out(CreatePartialFile(destination.substr(0, nameStart), destination.substr(nameStart),
                                          attributes & ~FILE_ATTRIBUTE_READONLY, partial));
    if (!out) {
        result.error = ::GetLastError();
        return result;
    }
    result.error = CopyBytes(in.get(), out.get(), buffer, progress, result.bytes, result.sourceFailed);
    if (result.error) {
        out.reset();
        RemoveFile(partial);
        return result;
    }
    info.FileAttributes = attributes;
    written = WrittenFile{std::move(out), partial, info, result};
    return result;
}

TransferResult FinishWrittenFile(WrittenFile& written, const CopyProgress* progress) {
    TransferResult& result = written.result;
    HANDLE file = written.file.get();
    result.error = Cancelled(progress) ? ERROR_REQUEST_ABORTED : 0;
    if (!result.error && !::FlushFileBuffers(file)) result.error = ::GetLastError();
    if (!result.error) result.error = RenameToFinal(file, progress, result);
    if (result.error) {
        written.file.reset();
        RemoveFile(written.partial);
        return result;
    }
    // The source's times, and its attributes when read-only is among them (0 leaves them as they are).
    const DWORD attributes = written.sourceInfo.FileAttributes;
    FILE_BASIC_INFO times = written.sourceInfo;
    times.FileAttributes = (attributes & FILE_ATTRIBUTE_READONLY) ? attributes : 0;
    if (!::SetFileInformationByHandle(file, FileBasicInfo, &times, sizeof times))
        result.attributesError = ::GetLastError();
    // A late write error of the network shows up only here; the file under its final name goes with it.
    if (!::CloseHandle(written.file.release())) {
        result.error = ::GetLastError();
        RemoveFile(result.finalPath);
    }
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
