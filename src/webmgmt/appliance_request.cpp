#include "webmgmt/appliance_request.h"
#include "common/text_compare.h"
#include "common/wizard_host.h"
#include "framework/message_pump.h"
#include "framework/wait_cursor.h"
#include "webmgmt/appliance_session.h"
#include "webmgmt/redirect_location.h"
#include "webmgmt/reply_file.h"

namespace {
const char* kAcceptTypes[] = {"*.*", nullptr};
const DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_EXISTING_CONNECT |
                            INTERNET_FLAG_NO_AUTO_REDIRECT;
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

std::unique_ptr<CHttpFile> OpenGet(CHttpConnection& connection, const std::string& object) {
    return connection.OpenRequest("GET", object, nullptr, kAcceptTypes, nullptr, kRequestFlags);
}

bool SendAndReadStatus(CHttpFile& request, DWORD& status) {
    return request.SendRequest() && request.QueryInfoStatusCode(status);
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

    CApplianceSession session(title);
    if (!session.IsOpen()) return 0;
    auto connection = session.GetHttpConnection(host, port, userName, password);
    if (!connection) return 0;
    auto request = OpenGet(*connection, object);
    if (!request) return 0;
    request->AddRequestHeaders(kAcceptHeader, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    request->AddRequestHeaders(kFormHeaders, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
    DWORD status = 0;
    if (!SendAndReadStatus(*request, status)) return 0;
    if (status == 401) return 401;

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
        connection = session.GetHttpConnection(server, targetPort, userName, password);
        if (!connection) return 0;
        request = OpenGet(*connection, targetObject);
        if (!request) return 0;
        request->AddRequestHeaders(kAcceptHeader, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
        // A second redirect is not followed: its status is the result.
        if (!SendAndReadStatus(*request, status)) return 0;
    }

    if (status != 200) return static_cast<int>(status);
    return SaveBody(*request, replyFile) ? 200 : 0;
}
