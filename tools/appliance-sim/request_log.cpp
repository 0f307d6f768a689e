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

RequestLog::RequestLog(const std::string& path) : out_(path, std::ios::out | std::ios::trunc) {
    if (!out_) throw std::runtime_error("cannot write log file " + path);
}

void RequestLog::record(std::uint32_t from, std::uint16_t port, std::uint32_t to, int command, std::size_t length) {
    const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::system_clock::now().time_since_epoch());
    out_ << format_log_line(now.count(), from, port, to, command, length) << std::endl;
}

}  // namespace appliance_sim
