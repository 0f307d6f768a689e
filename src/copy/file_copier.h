// Copies one file, or one folder with everything below it, into a destination folder. It never overwrites:
// a taken name gets "Copy of ", "Copy (1) of ", ... in front; existing folders are merged into. Paths are
// wide and used in their extended-length form, so any name the file system holds is copied exactly and
// long paths work. Links to folders are not followed. What cannot be read is reported and the rest of the
// walk goes on; a failure to write stops the whole operation, as the destination is then gone or full.
#pragma once
#include "copy/copy_progress.h"
#include "copy/file_finisher.h"
#include <windows.h>
#include <string>
#include <vector>

enum PathKind { PATH_INACCESSIBLE = -1, PATH_MISSING = 0, PATH_FILE = 1, PATH_FOLDER = 2 };

// What a path is now; `error` gets the system's code when it cannot be read.
PathKind GetPathKind(const std::wstring& path, DWORD* error = nullptr);

inline uint64_t FileSize(DWORD high, DWORD low) { return (uint64_t(high) << 32) | low; }

enum class CopyIssue {
    Failed,             // did not arrive: `text` says why
    LinkSkipped,        // a link to a folder, not followed
    IntoItself,         // the destination lies inside the dropped folder: nothing copied
    AttributesNotKept,  // arrived, but without its times or attributes: `text` says why
};

struct CopyProblem {
    CopyIssue issue;
    std::wstring path;  // the source item concerned, as the user writes it
    std::string text;   // the system's text for `code`, or the engine's own
    DWORD code;         // 0 for the engine's own texts
};

class CFileCopier {
public:
    // With `progress`, bytes and files are reported as they are copied, and its Cancel stops the copy,
    // the file being written included (its partial file is removed).
    explicit CFileCopier(CopyProgress* progress = nullptr) : m_pProgress(progress), m_finisher(progress) {}

    // Source is a file or a folder; destination a folder (made when missing, one level) or an existing
    // file (the copy lands beside it). True when everything arrived or there was nothing to do.
    bool Copy(const std::wstring& source, const std::wstring& destination);

    // The failure that stopped the copy or the first thing that did not arrive; "No error" and 0 otherwise.
    const std::string& LastErrorText() const { return m_strLastErrorText; }
    DWORD LastErrorCode() const { return m_dwLastErrorCode; }
    // Everything that did not arrive or arrived incomplete, in the order it was found.
    const std::vector<CopyProblem>& Problems() const { return m_problems; }

private:
    void CopyTree(const std::wstring& source, std::wstring destination);
    void CopyFolderContents(const std::wstring& folder, std::wstring destination);
    void CopyOneFile(const std::wstring& source, const std::wstring& destination);
    // Records what did not arrive; a failure on the destination's side (or Cancel) ends the copy, with the
    // first one thrown when `mayThrow`, after all of them are recorded.
    void Settle(const std::vector<TransferResult>& results, bool mayThrow);
    void Record(CopyIssue issue, const std::wstring& path, std::string text, DWORD code);
    void ThrowIfCancelled() const;

    CopyProgress* m_pProgress;
    std::string m_strLastErrorText = "No error";
    DWORD m_dwLastErrorCode = 0;
    std::vector<CopyProblem> m_problems;
    std::vector<char> m_buffer;
    FileFinisher m_finisher;
};
