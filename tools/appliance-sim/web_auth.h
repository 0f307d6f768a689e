#pragma once

#include <string>

#include "web_state.h"

namespace appliance_sim {

// Whether an Authorization header value carries the administrator's Basic
// credentials of `settings`.
bool has_admin_credentials(const std::string& authorization, const WebSettings& settings);

}  // namespace appliance_sim
