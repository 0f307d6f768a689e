#include "framework/internet_session.h"
#include <vector>

BOOL CHttpFile::AddRequestHeaders(const std::string& headers, DWORD modifiers) {
    return ::HttpAddRequestHeadersA(m_hFile.get(), headers.c_str(), static_cast<DWORD>(-1), modifiers);
}

BOOL CHttpFile::SendRequest() { return ::HttpSendRequestA(m_hFile.get(), nullptr, 0, nullptr, 0); }

BOOL CHttpFile::QueryInfoStatusCode(DWORD& statusCode) const {
    return QueryInfoNumber(HTTP_QUERY_STATUS_CODE, statusCode);
}

BOOL CHttpFile::QueryInfoNumber(DWORD infoLevel, DWORD& value) const {
    DWORD size = sizeof value;
    return ::HttpQueryInfoA(m_hFile.get(), infoLevel | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr);
}

BOOL CHttpFile::QueryInfo(DWORD infoLevel, std::string& text) const {
    DWORD size = 0;
    if (!::HttpQueryInfoA(m_hFile.get(), infoLevel, nullptr, &size, nullptr) &&
        ::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return FALSE;
    std::vector<char> buffer(size + 1);
    if (!::HttpQueryInfoA(m_hFile.get(), infoLevel, buffer.data(), &size, nullptr)) return FALSE;
    text.assign(buffer.data(), size);
    return TRUE;
}

BOOL CHttpFile::Read(void* buffer, UINT count, UINT& read) {
    DWORD got = 0;
    const BOOL ok = ::InternetReadFile(m_hFile.get(), buffer, count, &got);
    read = ok ? got : 0;
    return ok;
}

std::unique_ptr<CHttpFile> CHttpConnection::OpenRequest(const char* verb, const std::string& object,
                                                        const char* referer, const char** acceptTypes,
                                                        const char* version, DWORD flags) {
    HINTERNET request = ::HttpOpenRequestA(m_hConnection.get(), verb, object.c_str(), version, referer, acceptTypes,
                                           flags, m_dwContext);
    if (!request) return nullptr;
    return std::make_unique<CHttpFile>(request);
}

CInternetSession::CInternetSession(const std::string& agent, DWORD_PTR context, DWORD accessType)
    : m_hSession(::InternetOpenA(agent.c_str(), accessType, nullptr, nullptr, 0)), m_dwContext(context) {}

BOOL CInternetSession::SetOption(DWORD option, DWORD value) {
    return ::InternetSetOptionA(m_hSession.get(), option, &value, sizeof value);
}

std::unique_ptr<CHttpConnection> CInternetSession::GetHttpConnection(const std::string& server, INTERNET_PORT port,
                                                                     const std::string& userName,
                                                                     const std::string& password) {
    // Empty texts are no credentials at all: Wine would otherwise answer a challenge with an empty login.
    const auto textOrNull = [](const std::string& text) { return text.empty() ? nullptr : text.c_str(); };
    HINTERNET connection = ::InternetConnectA(m_hSession.get(), server.c_str(), port, textOrNull(userName),
                                              textOrNull(password), INTERNET_SERVICE_HTTP, 0, m_dwContext);
    if (!connection) return nullptr;
    return std::make_unique<CHttpConnection>(connection, m_dwContext);
}

BOOL AfxParseURL(const std::string& url, DWORD& serviceType, std::string& server, std::string& object,
                 INTERNET_PORT& port) {
    std::vector<char> host(url.size() + 1), path(url.size() + 1), extra(url.size() + 1);
    URL_COMPONENTSA parts = {};
    parts.dwStructSize = sizeof parts;
    parts.lpszHostName = host.data();
    parts.dwHostNameLength = static_cast<DWORD>(host.size());
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    parts.lpszExtraInfo = extra.data();
    parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
    if (url.empty() || !::InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return FALSE;
    if (parts.dwHostNameLength == 0) return FALSE;
    switch (parts.nScheme) {
    case INTERNET_SCHEME_HTTP: serviceType = INTERNET_SERVICE_HTTP; break;
    case INTERNET_SCHEME_FTP: serviceType = INTERNET_SERVICE_FTP; break;
    default: serviceType = 0; break;
    }
    server.assign(host.data(), parts.dwHostNameLength);
    object.assign(path.data(), parts.dwUrlPathLength);
    object.append(extra.data(), parts.dwExtraInfoLength);
    if (object.empty() || object[0] != '/') object.insert(0, "/");
    port = parts.nPort;
    return TRUE;
}
