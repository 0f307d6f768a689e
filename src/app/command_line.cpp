#include "app/command_line.h"

ForwardedCommand ForwardedCommandFor(const std::string& commandLine) {
    if (commandLine.empty()) return ForwardedCommand::Show;
    std::string text;
    for (char c : commandLine) text += (c >= 'A' && c <= 'Z') ? char(c + ('a' - 'A')) : c;
    const char* blanks = " \t\r\n\v\f";
    const size_t first = text.find_first_not_of(blanks);
    text = first == std::string::npos ? std::string() : text.substr(first, text.find_last_not_of(blanks) - first + 1);
    if (IsUninstallSwitch(text)) return ForwardedCommand::Exit;
    if (IsHiddenStartSwitch(text)) return ForwardedCommand::None;
    return ForwardedCommand::Show;
}
