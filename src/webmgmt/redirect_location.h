// Where a redirect points: the Location header of a reply's raw header text.
#pragma once
#include <optional>
#include <string>

// rawHeaders are the response headers as CRLF-separated text. The header is the first line whose name is
// "Location" in any case (never a header that only ends in it, such as Content-Location); the target is the
// rest of that line after the colon and any blanks.
std::optional<std::string> RedirectLocation(const std::string& rawHeaders);
