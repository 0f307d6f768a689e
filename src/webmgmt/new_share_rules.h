// The add-share dialog's checks of what was typed, in the order the user meets them (no Windows header:
// host-tested).
#pragma once
#include <string>

enum class NewShareProblem { None, EmptyName, ForbiddenCharacter, ReservedName, BlankPassword, PasswordMismatch };

// The first problem of a new shared folder's name and, for a private one, its password and confirmation.
// "config" is the appliance's own folder; the comparisons are case-sensitive.
NewShareProblem CheckNewShare(const std::string& name, bool isPrivate, const std::string& password,
                              const std::string& confirmation);
