#include "appliance.h"

#include <utility>

namespace appliance_sim {

Appliance::Appliance(ApplianceConfig config)
    : address_(config.address),
      answer_to_(config.answer_to),
      misbehaviour_(config.misbehaviour),
      device_(std::move(config.device)) {}

DeviceState Appliance::device() const {
    std::lock_guard<std::mutex> lock(device_mutex_);
    return device_;
}

}  // namespace appliance_sim
