#include "platform/share_export.h"
#include "framework/handles.h"
#include <windows.h>

namespace {
bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

std::optional<std::vector<std::string>> ExportedShares(const std::string& server) {
    WIN32_FIND_DATAA found;
    const fw::unique_find search(::FindFirstFileA(("\\\\" + server + "\\*").c_str(), &found));
    if (!search) return std::nullopt;
    std::vector<std::string> shares;
    do {
        // Dot names are the export's own bookkeeping, not shares.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && found.cFileName[0] != '.')
            shares.push_back(found.cFileName);
    } while (::FindNextFileA(search.get(), &found));
    return shares;
}

bool ServerExported(const std::string& server) { return IsFolder("\\\\" + server); }

bool ShareExported(const std::string& server, const std::string& share) {
    return !share.empty() && share[0] != '.' && IsFolder("\\\\" + server + "\\" + share);
}

std::optional<std::string> SharePassword(const std::string& server, const std::string& share) {
    const std::string marker = "\\\\" + server + "\\.passwords\\" + share;
    const fw::unique_file file(::CreateFileA(marker.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    char buffer[256];
    DWORD read = 0;
    if (!::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) read = 0;
    std::string password(buffer, read);
    while (!password.empty() && (password.back() == '\n' || password.back() == '\r')) password.pop_back();
    return password;
}
