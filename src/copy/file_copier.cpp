#include "copy/file_copier.h"
#include "copy/copy_exception.h"
#include "copy/copy_names.h"
#include "copy/file_identity.h"
#include "copy/file_transfer.h"
#include "copy/wide_text.h"
#include "framework/handles.h"

namespace {
bool IsDots(const WIN32_FIND_DATAW& entry) {
    return std::wstring(entry.cFileName) == L"." || std::wstring(entry.cFileName) == L"..";
}

// Creates a folder; one that exists already is used as it is (merge). True when it is new.
bool CreateFolder(const std::wstring& path, const std::wstring& source) {
    if (::CreateDirectoryW(path.c_str(), nullptr)) return true;
    if (::GetLastError() != ERROR_ALREADY_EXISTS) throw CFExeption(::GetLastError(), source);
    return false;
}

// A path as the system takes it whole: relative ones made absolute first.
std::wstring FullPath(const std::wstring& path) {
    if (path.compare(0, 4, L"\\\\?\\") == 0) return path;
    const DWORD length = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (!length) return ExtendedLengthPath(path);
    std::wstring full(length, L'\0');
    full.resize(::GetFullPathNameW(path.c_str(), length, full.data(), nullptr));
    return ExtendedLengthPath(full);
}

}  // namespace

PathKind GetPathKind(const std::wstring& path, DWORD* error) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = ::GetLastError();
        if (error) *error = code;
        return (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) ? PATH_MISSING : PATH_INACCESSIBLE;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PATH_FOLDER : PATH_FILE;
}

bool CFileCopier::Copy(const std::wstring& sourceText, const std::wstring& destinationText) {
    const std::wstring source = FullPath(sourceText);
    const std::wstring destination = FullPath(destinationText);
    m_problems.clear();
    try {
        const bool folder = GetPathKind(source) == PATH_FOLDER;
        const bool ontoFile = GetPathKind(destination) == PATH_FILE;
        // A folder dropped where it already is: nothing to do.
        if (folder && IsSameFile(ParentPath(source), destination)) return true;
        // Into itself the copy would feed on its own output until the path limit.
        if (folder && !ontoFile && IsInsideFolder(destination, source)) {
            Record(CopyIssue::IntoItself, source, "Destination inside the source folder", 0);
            return false;
        }
        CopyTree(source, destination);
        Settle(m_finisher.FinishAll(), true);
    } catch (const CFExeption& failure) {
        // Files still being finished end first; their failures are the same one, already told.
        Settle(m_finisher.FinishAll(), false);
        // Cancel is the user's own doing, not a failure to report.
        if (failure.Code() != ERROR_REQUEST_ABORTED) Record(CopyIssue::Failed, failure.Path(), failure.Text(), failure.Code());
        m_strLastErrorText = failure.Text();
        m_dwLastErrorCode = failure.Code();
        return false;
    }
    for (const CopyProblem& problem : m_problems)
        if (problem.issue != CopyIssue::AttributesNotKept) return false;
    return true;
}

void CFileCopier::Record(CopyIssue issue, const std::wstring& path, std::string text, DWORD code) {
    if (issue != CopyIssue::AttributesNotKept && m_dwLastErrorCode == 0 && m_strLastErrorText == "No error") {
        m_strLastErrorText = text;
        m_dwLastErrorCode = code;
    }
    m_problems.push_back({issue, PlainPath(path), std::move(text), code});
}

void CFileCopier::CopyTree(const std::wstring& source, std::wstring destination) {
    if (GetPathKind(source) == PATH_MISSING) throw CFExeption(AnsiText(PlainPath(source)) + " not found", source);
    DWORD error = 0;
    PathKind destinationKind = GetPathKind(destination, &error);
    if (destinationKind == PATH_MISSING) {
        CreateFolder(destination, source);
        destinationKind = GetPathKind(destination, &error);
    }
    // An unreachable server or share is a failure the user must hear of, not "nothing to do".
    if (destinationKind == PATH_INACCESSIBLE) throw CFExeption(error, source);
    const PathKind sourceKind = GetPathKind(source, &error);
    if (sourceKind == PATH_INACCESSIBLE) throw CFExeption(error, source);

    if (sourceKind == PATH_FOLDER && destinationKind == PATH_FILE) throw CFExeption(std::string("Wrong operation"), source);
    if (sourceKind == PATH_FOLDER && destinationKind == PATH_FOLDER) {
        // A drive or share root has no name of its own: its contents go straight into the destination.
        const std::wstring name = ParentPath(source).empty() ? std::wstring() : LastPathPart(source);
        if (!name.empty()) {
            AddTrailingBackslash(destination);
            destination += name;
        }
        CopyFolderContents(source, destination);
    } else if (sourceKind == PATH_FILE && destinationKind == PATH_FILE) {
        CopyOneFile(source, destination);
    } else if (sourceKind == PATH_FILE && destinationKind == PATH_FOLDER) {
        AddTrailingBackslash(destination);
        RemovePartialFiles(destination);
        CopyOneFile(source, destination + LastPathPart(source));
    }
}

void CFileCopier::CopyFolderContents(const std::wstring& folder, std::wstring destination) {
    ThrowIfCancelled();
    std::wstring pattern = folder;
    AddTrailingBackslash(pattern);
    WIN32_FIND_DATAW entry;
    fw::unique_find find(::FindFirstFileExW((pattern + L"*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                            nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) {
        // Only an empty drive root lists nothing at all; anything else is a folder that did not arrive.
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_NOT_FOUND) Record(CopyIssue::Failed, folder, SystemErrorText(error), error);
        return;
    }
    // Made only once the folder could be listed: a folder that did not arrive leaves no empty copy.
    const bool newFolder = CreateFolder(destination, folder);
    AddTrailingBackslash(destination);
    if (!newFolder) RemovePartialFiles(destination);  // a new folder holds no leftovers
    do {
        if (IsDots(entry)) continue;
        const std::wstring path = pattern + entry.cFileName;
        const std::wstring target = destination + entry.cFileName;
        const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (isFolder && (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            // A junction or folder link may lead back up the tree or anywhere else on the computer.
            Record(CopyIssue::LinkSkipped, path, std::string(), 0);
        } else if (isFolder) {
            CopyFolderContents(path, target);
        } else {
            CopyOneFile(path, target);  // a file link is opened through, so its target's bytes arrive
        }
    } while (::FindNextFileW(find.get(), &entry));
    const DWORD error = ::GetLastError();
    if (error != ERROR_NO_MORE_FILES) Record(CopyIssue::Failed, folder, SystemErrorText(error), error);
}

void CFileCopier::CopyOneFile(const std::wstring& source, const std::wstring& destination) {
    ThrowIfCancelled();
    Settle(m_finisher.TakeFinished(), true);
    WrittenFile written;
    const TransferResult result = WriteFileBytes(source, destination, m_buffer, m_pProgress, written);
    if (m_pProgress) m_pProgress->FileWritten(result.bytes);
    if (result.error) {
        Settle({result}, true);
    } else {
        m_finisher.Hand(std::move(written));
    }
}

void CFileCopier::Settle(const std::vector<TransferResult>& results, bool mayThrow) {
    const TransferResult* ending = nullptr;
    for (const TransferResult& result : results) {
        if (result.error && (result.error == ERROR_REQUEST_ABORTED || !result.sourceFailed)) {
            if (!ending) ending = &result;
            continue;
        }
        if (result.error) {
            Record(CopyIssue::Failed, result.source, SystemErrorText(result.error), result.error);
        } else if (result.attributesError) {
            Record(CopyIssue::AttributesNotKept, result.source, SystemErrorText(result.attributesError),
                   result.attributesError);
        }
        if (m_pProgress) m_pProgress->FileDone();
    }
    if (ending && mayThrow) throw CFExeption(ending->error, ending->source);
}

void CFileCopier::ThrowIfCancelled() const {
    if (m_pProgress && m_pProgress->IsCancelled()) throw CFExeption(ERROR_REQUEST_ABORTED, std::wstring());
}
