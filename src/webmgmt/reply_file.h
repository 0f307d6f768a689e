// The reply file: the body of the last successful appliance page request, and the look-up in it.
#pragma once
#include <string>

// Path of the reply file; set on the window thread before any worker starts, only read afterwards.
extern std::string g_strTempFile;

enum class ReplyStatus { Missing, Present };

// Upper bound of a stored reply; a longer body counts as a failed request.
constexpr size_t kReplyFileLimit = 1024 * 1024;

// Temporary directory + "Harborbox.tmp" (the current directory when there is no temporary directory).
std::string DefaultReplyFilePath();
// g_strTempFile, or the default while nobody has set it.
std::string ReplyFilePath();

// The value after marker in the reply file ("" when the file or the marker is missing). status, when given,
// tells whether the reply file existed.
std::string FindReplyValue(const std::string& marker, ReplyStatus* status = nullptr);
