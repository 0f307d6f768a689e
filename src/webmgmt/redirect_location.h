// Where a redirect points: the "Location: " header of a reply's raw header text.
#pragma once
#include <optional>
#include <string>

// rawHeaders are the response headers as CRLF-separated text; the target is the rest of the first line that
// holds "Location: ", without its line break.
std::optional<std::string> RedirectLocation(const std::string& rawHeaders);
