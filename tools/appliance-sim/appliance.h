#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <string>

#include "web_state.h"

namespace appliance_sim {

// Ways a simulated appliance can misbehave, so that tests can show the
// program stays sound against a faulty peer.
enum class Fault {
    none,
    silent,             // never answers
    bad_magic,          // "QXNT" instead of "QXNS"
    bad_code,           // wrong reply code
    no_flags,           // discover reply lacks the port-service flag
    short_reply,        // datagram cut before the fields the client reads
    unterminated_name,  // datagram ends inside the name
    long_name,          // 200-byte name
    flood,              // several copies of each reply
    crowd,              // flood_count replies, each naming another appliance (own name and MAC)
    delay,              // answers late
};

// Which discover broadcasts an appliance answers; unicast requests to its own
// address are always answered.
enum class AnswerTo { any, subnet, limited, unicast };

// What the appliance tells about itself. The web pages change the name and
// the language flag while the responder reads them.
struct DeviceState {
    std::string name = "QX-Harborbox";
    std::array<std::uint8_t, 6> mac{};
    std::uint32_t flags = 0x40020000;
    bool language_set = false;
    std::uint16_t web_port = 80;
    std::uint8_t query_attribute = 10;
    bool asleep = false;  // answers nothing until a magic packet for its MAC arrives
};

struct Misbehaviour {
    Fault fault = Fault::none;
    int flood_count = 0;
    int delay_ms = 0;
};

struct ApplianceConfig {
    std::uint32_t address = 0;  // IPv4, host byte order
    AnswerTo answer_to = AnswerTo::any;
    DeviceState device;
    Misbehaviour misbehaviour;
    WebSettings web;
    WebState web_state;
    int line = 0;  // config line that defined it, for messages
};

// One running appliance, shared between the discovery responder and the web
// side; the device and web states are the parts that change after start.
class Appliance {
public:
    explicit Appliance(ApplianceConfig config);
    Appliance(const Appliance&) = delete;
    Appliance& operator=(const Appliance&) = delete;

    std::uint32_t address() const { return address_; }
    AnswerTo answer_to() const { return answer_to_; }
    const Misbehaviour& misbehaviour() const { return misbehaviour_; }
    const WebSettings& web() const { return web_; }

    DeviceState device() const;
    WebState web_state() const;

    // Runs `change(DeviceState&, WebState&)` under the appliance's lock and
    // returns what it returns.
    // Wakes the appliance when `mac` is its own; true when it was asleep.
    bool wake(const std::array<std::uint8_t, 6>& mac);

    template <typename Change>
    auto change(Change&& change) {
        std::lock_guard<std::mutex> lock(device_mutex_);
        return change(device_, web_state_);
    }

private:
    const std::uint32_t address_;
    const AnswerTo answer_to_;
    const Misbehaviour misbehaviour_;
    const WebSettings web_;
    mutable std::mutex device_mutex_;
    DeviceState device_;
    WebState web_state_;
};

}  // namespace appliance_sim
