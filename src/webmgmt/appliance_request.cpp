#include "webmgmt/appliance_request.h"
#include "common/text_compare.h"
#include "common/wizard_host.h"
#include "framework/message_pump.h"
#include "framework/wait_cursor.h"
#include "webmgmt/appliance_session.h"
#include "webmgmt/basic_credentials.h"
#include "webmgmt/redirect_location.h"

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

// Reads the whole body into `body`: None, or why the transfer failed (broke off, fell short of its declared
// length, outgrew the limit).
RequestFailure ReadBody(CHttpFile& request, std::string& body) {
    char piece[kBodyPiece];
    for (;;) {
        UINT read = 0;
        if (!request.Read(piece, kBodyPiece, read)) return RequestFailure::BodyBroken;
        if (read == 0) break;
        if (body.size() + read > kReplyBodyLimit) return RequestFailure::BodyTooLong;
        body.append(piece, read);
        PumpPendingMessages();
    }
    DWORD declared = 0;
    if (request.QueryInfoNumber(HTTP_QUERY_CONTENT_LENGTH, declared) && body.size() < declared)
        return RequestFailure::BodyBroken;
    return RequestFailure::None;
}

ApplianceReply Failed(RequestFailure failure) { return ApplianceReply{0, failure, std::nullopt}; }
}  // namespace

ApplianceReply SendApplianceRequest(const std::string& title, const std::string& host, INTERNET_PORT port,
                                    const std::string& object, const std::string& userName,
                                    const std::string& password, WizardHost* feedbackHost) {
    RequestFeedback feedback(feedbackHost);
    const std::string authorization =
        userName.empty() && password.empty() ? std::string() : BasicAuthorization(userName, password);
    CApplianceSession session(title);
    if (!session.IsOpen()) return Failed(RequestFailure::NoSession);
    auto connection = session.GetHttpConnection(host, port, "", "");
    if (!connection) return Failed(RequestFailure::NoConnection);
    DWORD status = 0;
    auto request = Fetch(*connection, object, Headers::All, authorization, status);
    if (!request) return Failed(RequestFailure::NoStatus);

    if (IsRedirect(status)) {
        std::string rawHeaders;
        request->QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, rawHeaders);
        const auto target = RedirectLocation(rawHeaders);
        if (!target) return Failed(RequestFailure::RedirectUnreadable);
        request.reset();
        connection.reset();
        DWORD serviceType = 0;
        std::string server, targetObject;
        INTERNET_PORT targetPort = 0;
        if (!AfxParseURL(*target, serviceType, server, targetObject, targetPort))
            return Failed(RequestFailure::RedirectUnreadable);
        if (!IsSameServer(serviceType, server, targetPort, host, port)) return Failed(RequestFailure::RedirectElsewhere);
        connection = session.GetHttpConnection(server, targetPort, "", "");
        if (!connection) return Failed(RequestFailure::NoConnection);
        // A second redirect is not followed: its status is the result.
        request = Fetch(*connection, targetObject, Headers::AcceptOnly, authorization, status);
        if (!request) return Failed(RequestFailure::NoStatus);
    }

    if (status != HTTP_STATUS_OK) return ApplianceReply{static_cast<int>(status), RequestFailure::None, std::nullopt};
    std::string body;
    const RequestFailure failure = ReadBody(*request, body);
    if (failure != RequestFailure::None) return Failed(failure);
    return ApplianceReply{HTTP_STATUS_OK, RequestFailure::None,
                          body.empty() ? std::nullopt : std::optional<std::string>(std::move(body))};
}
