// Drive-letter connections remembered for later logons, where Windows keeps them: HKCU\Network\<letter>
// with RemotePath and ProviderName.
#pragma once
#include <string>
#include <vector>

struct RememberedConnection {
    char letter;
    std::string remotePath;
};

void RememberConnection(char letter, const std::string& remotePath, const std::string& provider);
void ForgetConnection(char letter);
bool IsRemembered(char letter);
std::vector<RememberedConnection> RememberedConnections();

// Connects again, at start, the remembered letters that are not connected now (Windows does this itself
// at logon; under Wine the stand-in does it). The program calls it once at start.
void RestoreRememberedConnections();
