#pragma once

#include <cstdint>
#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

#include "appliance.h"

namespace appliance_sim {

struct GlobalSettings {
    int reply_spread_ms = 0;  // each reply waits a random time in [0, spread]
    std::uint32_t seed = 1;
};

struct SimConfig {
    GlobalSettings global;
    std::vector<ApplianceConfig> appliances;  // [appliance_range] already expanded
};

// Message is "<file>:<line>: <what is wrong>".
class ConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// INI-like: `#` starts a comment, `key = value` lines, sections [global],
// [appliance] and [appliance_range]. Unknown sections and keys are errors so
// that a typo in a test's config cannot silently change the scenario.
SimConfig parse_config(std::istream& in, const std::string& file_name);
SimConfig load_config(const std::string& path);

}  // namespace appliance_sim
