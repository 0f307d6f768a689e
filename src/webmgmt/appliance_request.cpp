#include "webmgmt/appliance_request.h"
#include "common/text_compare.h"
#include "common/wizard_host.h"
#include "framework/message_pump.h"
#include "framework/wait_cursor.h"
#include "webmgmt/appliance_session.h"
#include "webmgmt/basic_credentials.h"
#include "webmgmt/redirect_location.h"
#include "webmgmt/reply_file.h"

namespace {
const char* kAcceptTypes[] = {"*.*", nullptr};
// No automatic authentication: the library would send the credentials in its own encoding (see Fetch).
const DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_EXISTING_CONNECT |
                            INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_NO_AUTH;
const char kAcceptHeader[] =
    "Accept: audio/x-aiff, audio/basic, audio/midi, audio/mpeg, audio/wav, image/jpeg, image/gif, image/jpg, "
    "image/png, image/mng, image/bmp, text/plain, text/html, text/htm\r\n";
const char kFormHeaders[] =
    "Accept-Language: fr\r\nContent-Type: application/x-www-form-urlencoded\r\nUser-Agent: RirAzaDezi/1.0\r\n";
const UINT kBodyPiece = 1999;

// The wait cursor and the window's progress animation for the time of one request.
class RequestFeedback {
public:
    explicit RequestFeedback(WizardHost* host) : m_pHost(host) {
        if (m_pHost) m_pHost->SetProgressAnimation(true);
    }
    ~RequestFeedback() {
        if (m_pHost) m_pHost->SetProgressAnimation(false);
    }

private:
    CWaitCursor m_wait;
    WizardHost* m_pHost;
};

enum class Headers { All, AcceptOnly };

// Opens and sends one GET. Null when no status could be read.
std::unique_ptr<CHttpFile> SendGet(CHttpConnection& connection, const std::string& object, Headers headers,
                                   const std::string& authorization, DWORD& status) {
    auto request = connection.OpenRequest("GET", object, nullptr, kAcceptTypes, nullptr, kRequestFlags);
    if (!request) return nullptr;
    request->AddRequestHeaders(kAcceptHeader, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    if (headers == Headers::All) request->AddRequestHeaders(kFormHeaders, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    if (!authorization.empty())
        request->AddRequestHeaders("Authorization: " + authorization + "\r\n",
                                   HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE);
    if (!request->SendRequest() || !request->QueryInfoStatusCode(status)) return nullptr;
    return request;
}

// Credentials go only in answer to a challenge, once, as a header built from the caller's own bytes: WinINet
// would re-encode text given as connection options (Wine as UTF-8 of the ANSI text, Windows otherwise).
std::unique_ptr<CHttpFile> Fetch(CHttpConnection& connection, const std::string& object, Headers headers,
                                 const std::string& authorization, DWORD& status) {
    auto request = SendGet(connection, object, headers, "", status);
    if (!request || status != HTTP_STATUS_DENIED || authorization.empty()) return request;
    request.reset();
    return SendGet(connection, object, headers, authorization, status);
}

bool IsRedirect(DWORD status) { return status == 301 || status == 302 || status == 303; }

// The credentials go along, so a redirect is followed only to the very server they were meant for.
bool IsSameServer(DWORD serviceType, const std::string& server, INTERNET_PORT port, const std::string& host,
                  INTERNET_PORT hostPort) {
    return serviceType == INTERNET_SERVICE_HTTP && port == hostPort && CompareNoCase(server.c_str(), host.c_str()) == 0;
}

// Stores the body in the reply file. False when the transfer broke off, the body fell short of its declared
// length or outgrew the limit; then no reply file remains. An empty body leaves no file either.
bool SaveBody(CHttpFile& request, const std::string& path) {
    bool complete = true;
    size_t total = 0;
    {
        fw::unique_handle file(
            ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) {
            file.release();
            return false;
        }
        char piece[kBodyPiece];
        for (;;) {
            UINT read = 0;
            if (!request.Read(piece, kBodyPiece, read)) {
                complete = false;
                break;
            }
            if (read == 0) break;
            total += read;
            DWORD written = 0;
            if (total > kReplyFileLimit || !::WriteFile(file.get(), piece, read, &written, nullptr) ||
                written != read) {
                complete = false;
                break;
            }
            PumpPendingMessages();
        }
    }
    DWORD declared = 0;
    if (complete && request.QueryInfoNumber(HTTP_QUERY_CONTENT_LENGTH, declared) && total < declared)
        complete = false;
    if (!complete || total == 0) ::DeleteFileA(path.c_str());
    return complete;
}
}  // namespace

int SendApplianceRequest(const std::string& title, const std::string& host, INTERNET_PORT port,
                         const std::string& object, const std::string& userName, const std::string& password,
                         WizardHost* feedbackHost) {
    RequestFeedback feedback(feedbackHost);
    const std::string replyFile = ReplyFilePath();
    ::DeleteFileA(replyFile.c_str());

    const std::string authorization =
        userName.empty() && password.empty() ? std::string() : BasicAuthorization(userName, password);
    CApplianceSession session(title);
    if (!session.IsOpen()) return 0;
    auto connection = session.GetHttpConnection(host, port, "", "");
    if (!connection) return 0;
    DWORD status = 0;
    auto request = Fetch(*connection, object, Headers::All, authorization, status);
    if (!request) return 0;
    if (status == HTTP_STATUS_DENIED) return HTTP_STATUS_DENIED;

    if (IsRedirect(status)) {
        std::string rawHeaders;
        request->QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, rawHeaders);
        const auto target = RedirectLocation(rawHeaders);
        if (!target) return 0;
        request.reset();
        connection.reset();
        DWORD serviceType = 0;
        std::string server, targetObject;
        INTERNET_PORT targetPort = 0;
        if (!AfxParseURL(*target, serviceType, server, targetObject, targetPort)) return 0;
        if (!IsSameServer(serviceType, server, targetPort, host, port)) return 0;
        connection = session.GetHttpConnection(server, targetPort, "", "");
        if (!connection) return 0;
        // A second redirect is not followed: its status is the result.
        request = Fetch(*connection, targetObject, Headers::AcceptOnly, authorization, status);
        if (!request) return 0;
    }

    if (status != 200) return static_cast<int>(status);
    return SaveBody(*request, replyFile) ? 200 : 0;
}
