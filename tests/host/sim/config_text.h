// Parsing a simulator config given as text, for the config tests.
#pragma once
#include <sstream>
#include <string>

#include "appliance-sim/config.h"

namespace appliance_sim {

inline SimConfig parse(const std::string& text) {
    std::istringstream in(text);
    return parse_config(in, "test.conf");
}

// The message of the ConfigError the text raises, or "" when it parses.
inline std::string error_of(const std::string& text) {
    try {
        parse(text);
    } catch (const ConfigError& error) {
        return error.what();
    }
    return "";
}

}  // namespace appliance_sim
