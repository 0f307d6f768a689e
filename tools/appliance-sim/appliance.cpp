#include "appliance.h"

#include <utility>

namespace appliance_sim {

Appliance::Appliance(ApplianceConfig config)
    : address_(config.address),
      answer_to_(config.answer_to),
      misbehaviour_(config.misbehaviour),
      web_(std::move(config.web)),
      device_(std::move(config.device)),
      web_state_(std::move(config.web_state)) {}

DeviceState Appliance::device() const {
    std::lock_guard<std::mutex> lock(device_mutex_);
    return device_;
}

bool Appliance::wake(const std::array<std::uint8_t, 6>& mac) {
    std::lock_guard<std::mutex> lock(device_mutex_);
    if (device_.mac != mac || !device_.asleep) return false;
    device_.asleep = false;
    return true;
}

WebState Appliance::web_state() const {
    std::lock_guard<std::mutex> lock(device_mutex_);
    return web_state_;
}

}  // namespace appliance_sim
