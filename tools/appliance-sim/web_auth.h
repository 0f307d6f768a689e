#pragma once

#include <string>

#include "web_state.h"

namespace appliance_sim {

// Whether an Authorization header value carries the administrator's Basic
// credentials of `settings`; the password may come in UTF-8 (as configured)
// or in the Western code page (ISO-8859-1).
bool has_admin_credentials(const std::string& authorization, const WebSettings& settings);

}  // namespace appliance_sim
