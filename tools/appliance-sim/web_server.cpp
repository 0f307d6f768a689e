#include "web_server.h"

#include <httplib.h>

#include <chrono>
#include <set>
#include <stdexcept>

#include "ipv4.h"
#include "web_auth.h"
#include "web_pages.h"

namespace appliance_sim {
namespace {

// A redirected request carries this in front of its path, once per redirect.
const std::string kRedirectedPrefix = "redirected/";
// Headers the server library adds to a request itself.
const std::set<std::string> kLibraryHeaders = {"REMOTE_ADDR", "REMOTE_PORT", "LOCAL_ADDR", "LOCAL_PORT"};
const std::size_t kLongLineLength = 100000;
const std::size_t kEndlessPieceLength = 64 * 1024;

std::string without_leading_slashes(const std::string& text) {
    const auto first = text.find_first_not_of('/');
    return first == std::string::npos ? "" : text.substr(first);
}

// Strips the redirect prefixes of a target; returns how many there were.
int strip_redirects(std::string& target) {
    int count = 0;
    while (target.compare(0, kRedirectedPrefix.size(), kRedirectedPrefix) == 0) {
        target.erase(0, kRedirectedPrefix.size());
        ++count;
    }
    return count;
}

int redirects_wanted(WebFault fault) {
    if (fault == WebFault::redirect_once) return 1;
    if (fault == WebFault::redirect_twice) return 2;
    return 0;
}

}  // namespace

WebServer::WebServer(std::deque<Appliance>& appliances, RequestLog* log) : appliances_(appliances), log_(log) {}

WebServer::~WebServer() { stop(); }

void WebServer::open() {
    std::set<std::uint16_t> ports;
    for (const Appliance& appliance : appliances_)
        if (appliance.web().http_port != 0) ports.insert(appliance.web().http_port);
    for (const std::uint16_t port : ports) {
        auto server = std::make_unique<httplib::Server>();
        server->set_pre_routing_handler([this](const httplib::Request& request, httplib::Response&) {
            record(request);
            return httplib::Server::HandlerResponse::Unhandled;
        });
        server->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
            handle(request, response);
        });
        if (!server->bind_to_port("0.0.0.0", port))
            throw std::runtime_error("cannot listen on TCP port " + std::to_string(port));
        servers_.push_back(std::move(server));
    }
}

void WebServer::start() {
    for (auto& server : servers_) threads_.emplace_back([&server] { server->listen_after_bind(); });
}

void WebServer::stop() {
    stopping_ = true;
    for (auto& server : servers_) server->stop();
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
}

Appliance* WebServer::appliance_at(const std::string& address, int port) {
    const auto wanted = parse_ipv4(address);
    if (!wanted) return nullptr;
    for (Appliance& appliance : appliances_)
        if (appliance.address() == *wanted && appliance.web().http_port == port) return &appliance;
    return nullptr;
}

void WebServer::record(const httplib::Request& request) {
    if (!log_) return;
    std::vector<std::string> lines{request.method + " " + request.target + " " + request.version};
    for (const auto& [name, value] : request.headers)
        if (kLibraryHeaders.count(name) == 0) lines.push_back(name + ": " + value);
    log_->record_http(request.remote_addr, request.remote_port, request.local_addr, request.local_port, lines);
}

void WebServer::handle(const httplib::Request& request, httplib::Response& response) {
    Appliance* appliance = appliance_at(request.local_addr, request.local_port);
    if (!appliance) {
        response.status = 404;
        return;
    }
    const WebSettings& web = appliance->web();
    std::string target = without_leading_slashes(request.target);
    const int redirected = strip_redirects(target);

    if (web.fault == WebFault::redirect_no_location) {
        response.status = web.redirect_status;
        return;
    }
    if (redirected < redirects_wanted(web.fault)) {
        const std::string host = !web.redirect_host.empty() ? web.redirect_host
                                 : request.has_header("Host")
                                     ? request.get_header_value("Host")
                                     : request.local_addr + ":" + std::to_string(request.local_port);
        std::string location = "http://" + host + "/";
        for (int i = 0; i <= redirected; ++i) location += kRedirectedPrefix;
        response.status = web.redirect_status;
        if (!web.content_location.empty()) response.set_header("Content-Location", web.content_location);
        response.set_header("Location", location + target);
        return;
    }
    if (web.basic_auth && !has_admin_credentials(request.get_header_value("Authorization"), web)) {
        response.status = 401;
        response.set_header("WWW-Authenticate", "Basic realm=\"Harborbox\"");
        response.set_content(render_page(""), "text/html");
        return;
    }
    if (web.fault == WebFault::slow) pause(web.slow_ms);
    serve(*appliance, target, response);
}

// The page itself, changes included; the body faults only spoil what goes back.
void WebServer::serve(Appliance& appliance, const std::string& target, httplib::Response& response) {
    const PageReply page = serve_page(appliance, parse_target(target));
    response.status = page.status;
    switch (appliance.web().fault) {
        case WebFault::empty_body:
            response.set_content("", "text/html");
            break;
        case WebFault::no_markers:
            response.set_content("<html>\r\n<body>Harborbox</body>\r\n</html>\r\n", "text/html");
            break;
        case WebFault::long_line:
            response.set_content("<!-- " + std::string(kLongLineLength, 'x') + " -->\r\n" + page.body, "text/html");
            break;
        case WebFault::endless_body:
            // Without length or chunks: the body ends only when the connection does. (Wine's WinINet drains a
            // chunked body before it closes a request, which never ends on an endless chunked body.)
            response.set_content_provider(
                "text/html", [this, body = page.body](std::size_t offset, httplib::DataSink& sink) {
                    static const std::string filler = std::string(kEndlessPieceLength - 2, ' ') + "\r\n";
                    if (stopping_) return false;
                    if (offset == 0 && !sink.write(body.data(), body.size())) return false;
                    return sink.write(filler.data(), filler.size());
                });
            break;
        case WebFault::broken_body:
            // Declares twice the length, sends the first half and hangs up.
            response.set_content_provider(page.body.size() * 2, "text/html",
                                          [body = page.body](std::size_t, std::size_t, httplib::DataSink& sink) {
                                              sink.write(body.data(), body.size() / 2);
                                              return false;
                                          });
            break;
        default:
            response.set_content(page.body, "text/html");
            break;
    }
}

void WebServer::pause(int milliseconds) const {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!stopping_ && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

}  // namespace appliance_sim
