#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace appliance_sim {

// `<unix-time-ms> <from-ip>:<port> -> <to-ip> cmd=<n> len=<n>`; cmd is -1 for
// a datagram too short to carry a command.
std::string format_log_line(std::int64_t unix_time_ms, std::uint32_t from, std::uint16_t port, std::uint32_t to,
                            int command, std::size_t length);

// `<unix-time-ms> <from-ip>:<port> -> <to-ip>:<to-port> http <n> <text>`: one
// line of HTTP request number n (its request line or one of its headers).
std::string format_http_log_line(std::int64_t unix_time_ms, const std::string& from, int port, const std::string& to,
                                 int to_port, std::uint64_t request_number, const std::string& text);

// `<unix-time-ms> <from-ip>:<port> -> <to-ip>:9 wake mac=<MAC or -> len=<n>`: a datagram on the
// Wake-on-LAN port, with the MAC its magic packet names.
std::string format_wake_log_line(std::int64_t unix_time_ms, std::uint32_t from, std::uint16_t port, std::uint32_t to,
                                 const std::string& mac, std::size_t length);

// One line per received datagram and per line of each received HTTP request,
// flushed at once so that tests can read the file while the simulator runs.
// The web server's threads and the responder share it.
class RequestLog {
public:
    explicit RequestLog(const std::string& path);  // truncates; throws std::runtime_error

    void record(std::uint32_t from, std::uint16_t port, std::uint32_t to, int command, std::size_t length);
    void record_wake(std::uint32_t from, std::uint16_t port, std::uint32_t to, const std::string& mac,
                     std::size_t length);
    // All lines of one request, kept together.
    void record_http(const std::string& from, int port, const std::string& to, int to_port,
                     const std::vector<std::string>& lines);

private:
    std::mutex mutex_;
    std::ofstream out_;
    std::uint64_t http_requests_ = 0;
};

}  // namespace appliance_sim
