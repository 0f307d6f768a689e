// Values put into an appliance page's query (no Windows header: host-tested).
#pragma once
#include <string>

// Every byte but letters, digits and "-._~" as %XX, so that a name holding "&", "#", "%", "=", a space or
// bytes above 0x7F reaches the appliance as exactly that name: unescaped, "A&B" would delete share "A".
std::string EscapeQueryValue(const std::string& value);
