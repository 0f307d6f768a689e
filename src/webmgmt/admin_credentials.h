// Asking the user for the appliance's administrator user name and password.
#pragma once
#include <string>

class CredentialCache;

// Shows the password prompt with the user-name field; on OK the typed values are in the cache.
bool PromptAdminCredentials(CredentialCache& credentials, const std::string& deviceName);
