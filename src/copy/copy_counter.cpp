#include "copy/copy_counter.h"
#include "copy/copy_names.h"
#include "copy/file_copier.h"
#include "framework/handles.h"

namespace {
void CountFolder(std::wstring folder, CopyAmount& amount) {
    AddTrailingBackslash(folder);
    WIN32_FIND_DATAW entry;
    fw::unique_find find(::FindFirstFileExW((folder + L"*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                            nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) return;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) CountFolder(folder + name, amount);
        } else {
            ++amount.files;
            amount.bytes += FileSize(entry.nFileSizeHigh, entry.nFileSizeLow);
        }
    } while (::FindNextFileW(find.get(), &entry));
}
}  // namespace

CopyAmount CountCopyWork(const std::wstring& path) {
    CopyAmount amount;
    const std::wstring full = ExtendedLengthPath(path);
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(full.c_str(), GetFileExInfoStandard, &data)) return amount;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        CountFolder(full, amount);
    } else {
        amount.files = 1;
        amount.bytes = FileSize(data.nFileSizeHigh, data.nFileSizeLow);
    }
    return amount;
}
