#pragma once

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <thread>
#include <vector>

#include "appliance.h"
#include "request_log.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace appliance_sim {

// The management web servers: one listener per distinct http_port on all
// addresses; a request goes to the appliance whose address it was sent to.
// Pages come from web_pages, misbehaviour from each appliance's web_fault.
class WebServer {
public:
    // `log` may be null.
    WebServer(std::deque<Appliance>& appliances, RequestLog* log);
    ~WebServer();
    WebServer(const WebServer&) = delete;
    WebServer& operator=(const WebServer&) = delete;

    // Binds the ports; throws std::runtime_error when one cannot be bound.
    void open();
    // Serves on background threads until stop().
    void start();
    void stop();

private:
    Appliance* appliance_at(const std::string& address, int port);
    void record(const httplib::Request& request);
    void handle(const httplib::Request& request, httplib::Response& response);
    void serve(Appliance& appliance, const std::string& target, httplib::Response& response);
    void pause(int milliseconds) const;

    std::deque<Appliance>& appliances_;
    RequestLog* const log_;
    std::vector<std::unique_ptr<httplib::Server>> servers_;
    std::vector<std::thread> threads_;
    std::atomic<bool> stopping_{false};
};

}  // namespace appliance_sim
