// The browser program named by the registry's http open command, as the shell would start it.
#pragma once
#include <string>

// Quoted program: the text between its quotes; unquoted: cut at the first space after the last backslash. Lower-cased; "iexplore" when nothing usable (no ".exe") is left.
std::string BrowserPathFromCommand(const std::string& command);
