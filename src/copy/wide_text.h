// Wide file names and the program's ANSI texts: the copy engine works on wide names, the user interface
// shows them in the ANSI code page.
#pragma once
#include <string>

// `text` in the ANSI code page; a character it lacks becomes "?", never a look-alike that names another file.
std::string AnsiText(const std::wstring& text);

// An ANSI text as a wide one.
std::wstring WideText(const std::string& text);
