#include "copy/file_copier.h"
#include "copy/copy_exception.h"
#include "copy/copy_names.h"
#include "copy/file_transfer.h"
#include "copy/find_handle.h"

namespace {
bool IsDots(const WIN32_FIND_DATAA& entry) {
    return std::string(entry.cFileName) == "." || std::string(entry.cFileName) == "..";
}

// Creates a folder; one that exists already is used as it is (merge).
void CreateFolder(const std::string& path) {
    if (!::CreateDirectoryA(path.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
        throw CFExeption(::GetLastError());
}

uint64_t SizeOfFile(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return FileSize(data.nFileSizeHigh, data.nFileSizeLow);
}
}  // namespace

PathKind GetPathKind(const std::string& path, DWORD* error) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        if (error) *error = code;
        return (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) ? PATH_MISSING : PATH_INACCESSIBLE;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PATH_FOLDER : PATH_FILE;
}

bool CFileCopier::Copy(const std::string& source, const std::string& destination) {
    bool result = true;
    if (!IsCopyOntoParent(source, destination)) {
        try {
            CopyTree(source, destination);
        } catch (const CFExeption& failure) {
            m_strLastErrorText = failure.Text();
            m_dwLastErrorCode = failure.Code();
            result = false;
        }
    }
    m_nDepthLimit = -1;
    return result;
}

bool CFileCopier::IsCopyOntoParent(const std::string& source, const std::string& destination) const {
    return GetPathKind(source) == PATH_FOLDER && IsParentFolderText(source, destination);
}

void CFileCopier::CopyTree(std::string source, std::string destination) {
    const int limit = DepthLimitFor(source, destination);
    if (limit >= 0) m_nDepthLimit = limit;
    if (GetPathKind(source) == PATH_MISSING) throw CFExeption(source + " not found");
    DWORD error = 0;
    PathKind destinationKind = GetPathKind(destination, &error);
    if (destinationKind == PATH_MISSING) {
        CreateFolder(destination);
        destinationKind = GetPathKind(destination, &error);
    }
    // An unreachable server or share is a failure the user must hear of, not "nothing to do".
    if (destinationKind == PATH_INACCESSIBLE) throw CFExeption(error);
    const PathKind sourceKind = GetPathKind(source, &error);
    if (sourceKind == PATH_INACCESSIBLE) throw CFExeption(error);

    if (sourceKind == PATH_FOLDER && destinationKind == PATH_FILE) throw CFExeption(std::string("Wrong operation"));
    if (sourceKind == PATH_FOLDER && destinationKind == PATH_FOLDER) {
        const std::string notFound = source + " not found";
        AddTrailingBackslash(source);
        AddTrailingBackslash(destination);
        const std::string pattern = source + "*.*";
        WIN32_FIND_DATAA entry;
        FindHandle find(::FindFirstFileA(pattern.c_str(), &entry));
        if (!find) throw CFExeption(notFound);
        find.reset();
        const std::string name = LastFolderName(pattern);
        if (!name.empty()) {
            destination += name;
            AddTrailingBackslash(destination);
            CreateFolder(destination);
        }
        CopyFolderContents(pattern, destination);
    } else if (sourceKind == PATH_FILE && destinationKind == PATH_FILE) {
        CopyOneFile(source, destination, SizeOfFile(source));
    } else if (sourceKind == PATH_FILE && destinationKind == PATH_FOLDER) {
        AddTrailingBackslash(destination);
        CopyOneFile(source, destination + LastPathPart(source), SizeOfFile(source));
    }
}

void CFileCopier::CopyFolderContents(const std::string& pattern, const std::string& destination) {
    WIN32_FIND_DATAA entry;
    FindHandle find(::FindFirstFileA(pattern.c_str(), &entry));
    if (!find) return;
    const std::string folder = pattern.substr(0, pattern.rfind('\\') + 1);
    do {
        if (IsDots(entry)) continue;
        const std::string path = folder + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (m_nDepthLimit == 0) continue;
            const std::string subDestination = destination + entry.cFileName + "\\";
            if (GetPathKind(subDestination) == PATH_MISSING) CreateFolder(subDestination);
            if (m_nDepthLimit > 0) --m_nDepthLimit;
            CopyFolderContents(path + "\\*.*", subDestination);
        } else {
            CopyOneFile(path, destination + entry.cFileName, FileSize(entry.nFileSizeHigh, entry.nFileSizeLow));
        }
    } while (::FindNextFileA(find.get(), &entry));
}

void CFileCopier::CopyOneFile(const std::string& source, std::string destination, uint64_t size) {
    ThrowIfCancelled();
    // Trying the name and taking the next one when it is taken never overwrites, even if another program
    // creates the same name meanwhile.
    for (;;) {
        const DWORD error = TransferFile(source, destination, m_buffer, m_pProgress);
        if (error == 0) break;
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) throw CFExeption(error);
        destination = MakeCopyName(destination);
    }
    if (m_pProgress) m_pProgress->FileDone(size);
}

void CFileCopier::ThrowIfCancelled() const {
    if (m_pProgress && m_pProgress->IsCancelled()) throw CFExeption(ERROR_REQUEST_ABORTED);
}
