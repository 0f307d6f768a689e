// What a server offers, read the way the stand-in learns it: from the folders that Wine's UNC namespace
// shows for the server (the appliance's export), never from the program's own state.
#pragma once
#include <optional>
#include <string>
#include <vector>

// The server's shares in the order the export lists them; empty when the server is unknown.
std::optional<std::vector<std::string>> ExportedShares(const std::string& server);
bool ServerExported(const std::string& server);
bool ShareExported(const std::string& server, const std::string& share);
// The password a private share wants (kept by the appliance beside its shares, in ".passwords\<share>");
// none for a public share.
std::optional<std::string> SharePassword(const std::string& server, const std::string& share);
