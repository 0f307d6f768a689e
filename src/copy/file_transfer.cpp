#include "copy/file_transfer.h"
#include "framework/handles.h"

namespace {
constexpr size_t kChunkBytes = 1 << 20;

HANDLE OpenOrNull(HANDLE handle) { return handle == INVALID_HANDLE_VALUE ? nullptr : handle; }

DWORD CopyBytes(HANDLE in, HANDLE out, std::vector<char>& buffer, CopyProgress* progress) {
    uint64_t done = 0;
    for (;;) {
        if (progress && progress->IsCancelled()) return ERROR_REQUEST_ABORTED;
        DWORD read = 0;
        if (!::ReadFile(in, buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr)) return ::GetLastError();
        if (read == 0) return 0;
        for (DWORD written = 0, offset = 0; offset < read; offset += written) {
            if (!::WriteFile(out, buffer.data() + offset, read - offset, &written, nullptr)) return ::GetLastError();
        }
        done += read;
        if (progress) progress->SetCurrentFileBytes(done);
    }
}
}  // namespace

DWORD TransferFile(const std::string& source, const std::string& destination, std::vector<char>& buffer,
                   CopyProgress* progress) {
    fw::unique_handle in(OpenOrNull(::CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                  OPEN_EXISTING, 0, nullptr)));
    if (!in) return ::GetLastError();
    // The basic information only: asking for all of it costs a round trip to the Wine server per file.
    FILE_BASIC_INFO info;
    if (!::GetFileInformationByHandleEx(in.get(), FileBasicInfo, &info, sizeof info)) return ::GetLastError();
    // Read-only comes last, so that an unfinished copy can still be removed.
    const DWORD attributes = info.FileAttributes & ~FILE_ATTRIBUTE_DIRECTORY;
    fw::unique_handle out(OpenOrNull(::CreateFileA(destination.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                   attributes & ~FILE_ATTRIBUTE_READONLY,
                                                   nullptr)));
    if (!out) return ::GetLastError();
    if (buffer.size() < kChunkBytes) buffer.resize(kChunkBytes);
    DWORD error = CopyBytes(in.get(), out.get(), buffer, progress);
    // The source's times; its attributes only when read-only is among them (0 leaves them as they are).
    info.FileAttributes = (attributes & FILE_ATTRIBUTE_READONLY) ? attributes : 0;
    if (!error && !::SetFileInformationByHandle(out.get(), FileBasicInfo, &info, sizeof info)) error = ::GetLastError();
    out.reset();
    if (error) ::DeleteFileA(destination.c_str());  // no truncated file may stand under a proper name
    return error;
}
