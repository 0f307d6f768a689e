// How a start's command line is understood.
#pragma once
#include <string>

enum class ForwardedCommand { Show, Exit, None };

// A second start: lower-cased and trimmed, "-uninstall" asks the running instance to quit, "-s" asks
// nothing, anything else asks it to show itself.
ForwardedCommand ForwardedCommandFor(const std::string& commandLine);

// A first start compares exactly: case-sensitive, untrimmed.
inline bool IsUninstallSwitch(const std::string& commandLine) { return commandLine == "-uninstall"; }
inline bool IsHiddenStartSwitch(const std::string& commandLine) { return commandLine == "-s"; }
