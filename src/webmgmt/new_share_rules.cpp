#include "webmgmt/new_share_rules.h"

NewShareProblem CheckNewShare(const std::string& name, bool isPrivate, const std::string& password,
                              const std::string& confirmation) {
    if (name.empty()) return NewShareProblem::EmptyName;
    if (name.find_first_of("\\/:*?<>|\"") != std::string::npos) return NewShareProblem::ForbiddenCharacter;
    if (name == "config") return NewShareProblem::ReservedName;
    if (!isPrivate) return NewShareProblem::None;
    if (confirmation.empty() || password.empty()) return NewShareProblem::BlankPassword;
    if (password != confirmation) return NewShareProblem::PasswordMismatch;
    return NewShareProblem::None;
}
