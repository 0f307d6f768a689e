// Text typed by the user goes to the appliance, and is compared with its replies, as UTF-8.
#pragma once
#include <string>

// From the ANSI code page to UTF-8, whole, whatever its length.
std::string ToUtf8(const std::string& ansiText);
