#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

namespace appliance_sim {

// `<unix-time-ms> <from-ip>:<port> -> <to-ip> cmd=<n> len=<n>`; cmd is -1 for
// a datagram too short to carry a command.
std::string format_log_line(std::int64_t unix_time_ms, std::uint32_t from, std::uint16_t port, std::uint32_t to,
                            int command, std::size_t length);

// One line per received datagram, flushed at once so that tests can read the
// file while the simulator runs.
class RequestLog {
public:
    explicit RequestLog(const std::string& path);  // truncates; throws std::runtime_error

    void record(std::uint32_t from, std::uint16_t port, std::uint32_t to, int command, std::size_t length);

private:
    std::ofstream out_;
};

}  // namespace appliance_sim
