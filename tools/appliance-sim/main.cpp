// Simulated Harborbox appliances for tests and the demo:
//   appliance-sim --config FILE [--log FILE] [--share-base DIR]
// Prints "ready" once its sockets are bound and runs until SIGTERM or SIGINT.
// The log gets one line per discovery datagram and, for every HTTP request,
// its request line and each header, marked "http <request number>". A relative share_root is taken
// under the share base (the test bed gives each run its own).

#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <deque>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "appliance.h"
#include "config.h"
#include "request_log.h"
#include "udp_responder.h"
#include "web_server.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

struct Arguments {
    std::string config_path;
    std::optional<std::string> log_path;
    std::string share_base;
};

std::optional<Arguments> parse_arguments(int argc, char** argv) {
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return std::nullopt;
        if (option == "--config") arguments.config_path = argv[++i];
        else if (option == "--log") arguments.log_path = argv[++i];
        else if (option == "--share-base") arguments.share_base = argv[++i];
        else return std::nullopt;
    }
    if (arguments.config_path.empty()) return std::nullopt;
    return arguments;
}

// Stop signals are read from a descriptor so that the responder's poll() sees
// them; blocking them first also keeps them off any later thread.
int stop_signal_fd() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    sigprocmask(SIG_BLOCK, &signals, nullptr);
    // A web client that hangs up mid-answer must not end the simulator.
    signal(SIGPIPE, SIG_IGN);
    return signalfd(-1, &signals, SFD_CLOEXEC);
}

}  // namespace

int main(int argc, char** argv) {
    const auto arguments = parse_arguments(argc, argv);
    if (!arguments) {
        std::cerr << "usage: appliance-sim --config FILE [--log FILE] [--share-base DIR]" << std::endl;
        return kExitUsage;
    }
    using namespace appliance_sim;
    SimConfig config;
    try {
        config = load_config(arguments->config_path);
    } catch (const ConfigError& error) {
        std::cerr << "appliance-sim: " << error.what() << std::endl;
        return kExitUsage;
    }

    const int stop_fd = stop_signal_fd();
    if (stop_fd < 0) {
        std::cerr << "appliance-sim: cannot watch for stop signals" << std::endl;
        return kExitFailure;
    }
    try {
        std::deque<Appliance> appliances;
        for (ApplianceConfig& appliance : config.appliances) {
            const std::string& root = appliance.web.share_root;
            if (!root.empty() && root[0] != '/' && !arguments->share_base.empty())
                appliance.web.share_root = arguments->share_base + "/" + root;
            appliances.emplace_back(appliance);
            create_share_folders(appliance.web_state, appliance.web.share_root);
        }
        std::unique_ptr<RequestLog> log;
        if (arguments->log_path) log = std::make_unique<RequestLog>(*arguments->log_path);
        UdpResponder responder(appliances, config.global, log.get());
        responder.open();
        WebServer web(appliances, log.get());
        web.open();
        web.start();
        std::cout << "ready" << std::endl;
        responder.run(stop_fd);
        web.stop();
    } catch (const std::exception& error) {
        std::cerr << "appliance-sim: " << error.what() << std::endl;
        return kExitFailure;
    }
    close(stop_fd);
    return 0;
}
