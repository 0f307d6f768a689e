// The look-up in an appliance page reply: a script function's name marks a line, and the value line two lines
// further down holds its return value, usually a bracketed list of quoted items.
#pragma once
#include <string>

// Longest piece the reply is read in; a longer line is split into several pieces.
constexpr size_t kReplyPieceLength = 259;

// replyBytes are the reply file's bytes as stored; they are read the way a text-mode stream reads them
// (CR LF becomes LF). Returns "" when the marker is not in the reply.
std::string FindReplyValueIn(const std::string& replyBytes, const std::string& marker);
