#include "copy/copy_counter.h"
#include "copy/file_copier.h"
#include "copy/find_handle.h"

namespace {
void CountFolder(const std::string& folder, CopyAmount& amount) {
    WIN32_FIND_DATAA entry;
    FindHandle find(::FindFirstFileA((folder + "\\*.*").c_str(), &entry));
    if (!find) return;
    do {
        const std::string name = entry.cFileName;
        if (name == "." || name == "..") continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CountFolder(folder + "\\" + name, amount);
        } else {
            ++amount.files;
            amount.bytes += FileSize(entry.nFileSizeHigh, entry.nFileSizeLow);
        }
    } while (::FindNextFileA(find.get(), &entry));
}
}  // namespace

CopyAmount CountCopyWork(const std::string& path) {
    CopyAmount amount;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return amount;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        std::string folder = path;
        while (!folder.empty() && folder.back() == '\\') folder.pop_back();
        CountFolder(folder, amount);
    } else {
        amount.files = 1;
        amount.bytes = FileSize(data.nFileSizeHigh, data.nFileSizeLow);
    }
    return amount;
}
