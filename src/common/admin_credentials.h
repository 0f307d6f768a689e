// The appliance administrator's user name and password, as typed (ANSI code page).
#pragma once
#include <string>

struct AdminCredentials {
    std::string userName;
    std::string password;
};
