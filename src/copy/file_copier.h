// Copies one file, or one folder with everything below it, into a destination folder. It never overwrites:
// a taken name gets "Copy of ", "Copy (1) of ", ... in front; existing folders are merged into. The first
// failure stops the whole operation; Copy then reports false with the reason.
#pragma once
#include "copy/copy_progress.h"
#include <windows.h>
#include <string>
#include <vector>

enum PathKind { PATH_INACCESSIBLE = -1, PATH_MISSING = 0, PATH_FILE = 1, PATH_FOLDER = 2 };

// What a path is now; `error` gets the system's code when it cannot be read.
PathKind GetPathKind(const std::string& path, DWORD* error = nullptr);

inline uint64_t FileSize(DWORD high, DWORD low) { return (uint64_t(high) << 32) | low; }

class CFileCopier {
public:
    // With `progress`, bytes and files are reported as they are copied, and its Cancel stops the copy,
    // the file being written included (the partly written file is removed).
    explicit CFileCopier(CopyProgress* progress = nullptr) : m_pProgress(progress) {}

    // Source is a file or a folder; destination a folder (made when missing, one level) or an existing
    // file (the copy lands beside it). True when done or when there was nothing to do.
    bool Copy(const std::string& source, const std::string& destination);

    const std::string& LastErrorText() const { return m_strLastErrorText; }
    DWORD LastErrorCode() const { return m_dwLastErrorCode; }

private:
    void CopyTree(std::string source, std::string destination);
    void CopyFolderContents(const std::string& pattern, const std::string& destination);
    void CopyOneFile(const std::string& source, std::string destination, uint64_t size);
    bool IsCopyOntoParent(const std::string& source, const std::string& destination) const;
    void ThrowIfCancelled() const;

    CopyProgress* m_pProgress;
    std::string m_strLastErrorText = "No error";
    DWORD m_dwLastErrorCode = 0;
    int m_nDepthLimit = -1;  // subfolder descents still allowed; -1 = no limit
    std::vector<char> m_buffer;
};
