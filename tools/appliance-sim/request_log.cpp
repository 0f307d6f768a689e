#include "request_log.h"

#include <chrono>
#include <stdexcept>

#include "ipv4.h"

namespace appliance_sim {

std::string format_log_line(std::int64_t unix_time_ms, std::uint32_t from, std::uint16_t port, std::uint32_t to,
                            int command, std::size_t length) {
    return std::to_string(unix_time_ms) + " " + format_ipv4(from) + ":" + std::to_string(port) + " -> " +
           format_ipv4(to) + " cmd=" + std::to_string(command) + " len=" + std::to_string(length);
}

std::string format_http_log_line(std::int64_t unix_time_ms, const std::string& from, int port, const std::string& to,
                                 int to_port, std::uint64_t request_number, const std::string& text) {
    return std::to_string(unix_time_ms) + " " + from + ":" + std::to_string(port) + " -> " + to + ":" +
           std::to_string(to_port) + " http " + std::to_string(request_number) + " " + text;
}

std::string format_wake_log_line(std::int64_t unix_time_ms, std::uint32_t from, std::uint16_t port, std::uint32_t to,
                                 const std::string& mac, std::size_t length) {
    return std::to_string(unix_time_ms) + " " + format_ipv4(from) + ":" + std::to_string(port) + " -> " +
           format_ipv4(to) + ":9 wake mac=" + mac + " len=" + std::to_string(length);
}

namespace {
std::int64_t now_ms() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}
}  // namespace

RequestLog::RequestLog(const std::string& path) : out_(path, std::ios::out | std::ios::trunc) {
    if (!out_) throw std::runtime_error("cannot write log file " + path);
}

void RequestLog::record(std::uint32_t from, std::uint16_t port, std::uint32_t to, int command, std::size_t length) {
    std::lock_guard<std::mutex> lock(mutex_);
    out_ << format_log_line(now_ms(), from, port, to, command, length) << std::endl;
}

void RequestLog::record_wake(std::uint32_t from, std::uint16_t port, std::uint32_t to, const std::string& mac,
                             std::size_t length) {
    std::lock_guard<std::mutex> lock(mutex_);
    out_ << format_wake_log_line(now_ms(), from, port, to, mac, length) << std::endl;
}

void RequestLog::record_http(const std::string& from, int port, const std::string& to, int to_port,
                             const std::vector<std::string>& lines) {
    std::lock_guard<std::mutex> lock(mutex_);
    const std::int64_t now = now_ms();
    ++http_requests_;
    for (const std::string& line : lines)
        out_ << format_http_log_line(now, from, port, to, to_port, http_requests_, line) << '\n';
    out_.flush();
}

}  // namespace appliance_sim
