// The Basic credentials of an appliance request, built from the exact bytes the caller means (UTF-8 for some
// pages, the ANSI code page for others). WinINet would re-encode text it is given as connection options.
#pragma once
#include <string>

// "Basic " and the Base64 form of userName ":" password, byte for byte.
std::string BasicAuthorization(const std::string& userName, const std::string& password);
