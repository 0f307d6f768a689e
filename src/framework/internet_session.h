// HTTP over WinINet in the framework's shape: a session makes connections, a connection makes requests.
// Failures come back as false or null (with GetLastError set by WinINet), never as exceptions.
#pragma once
#include "framework/handles.h"
#include <wininet.h>
#include <memory>
#include <string>

namespace fw {
inline void CloseInternetValue(HINTERNET h) { ::InternetCloseHandle(h); }
using unique_hinternet = unique_any<HINTERNET, CloseInternetValue, nullptr>;
}  // namespace fw

class CHttpFile {
public:
    explicit CHttpFile(HINTERNET request) : m_hFile(request) {}

    BOOL AddRequestHeaders(const std::string& headers, DWORD modifiers);
    BOOL SendRequest();
    BOOL QueryInfoStatusCode(DWORD& statusCode) const;
    // A numeric header such as HTTP_QUERY_CONTENT_LENGTH; false when the reply has none.
    BOOL QueryInfoNumber(DWORD infoLevel, DWORD& value) const;
    BOOL QueryInfo(DWORD infoLevel, std::string& text) const;
    // read is 0 at the end of the body; false when the transfer failed.
    BOOL Read(void* buffer, UINT count, UINT& read);
    void Close() { m_hFile.reset(); }

private:
    fw::unique_hinternet m_hFile;
};

class CHttpConnection {
public:
    CHttpConnection(HINTERNET connection, DWORD_PTR context) : m_hConnection(connection), m_dwContext(context) {}

    // acceptTypes ends with a null entry; version null means the library's default.
    std::unique_ptr<CHttpFile> OpenRequest(const char* verb, const std::string& object, const char* referer,
                                           const char** acceptTypes, const char* version, DWORD flags);
    void Close() { m_hConnection.reset(); }

private:
    fw::unique_hinternet m_hConnection;
    DWORD_PTR m_dwContext;
};

class CInternetSession {
public:
    CInternetSession(const std::string& agent, DWORD_PTR context, DWORD accessType);
    virtual ~CInternetSession() = default;
    CInternetSession(const CInternetSession&) = delete;
    CInternetSession& operator=(const CInternetSession&) = delete;

    bool IsOpen() const { return static_cast<bool>(m_hSession); }
    BOOL SetOption(DWORD option, DWORD value);
    std::unique_ptr<CHttpConnection> GetHttpConnection(const std::string& server, INTERNET_PORT port,
                                                       const std::string& userName, const std::string& password);
    void Close() { m_hSession.reset(); }

private:
    fw::unique_hinternet m_hSession;
    DWORD_PTR m_dwContext;
};

// Splits a full URL; object is the path with any query ("/" when the URL has no path).
BOOL AfxParseURL(const std::string& url, DWORD& serviceType, std::string& server, std::string& object,
                 INTERNET_PORT& port);
