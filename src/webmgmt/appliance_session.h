// One HTTP session for one appliance page request.
#pragma once
#include "framework/internet_session.h"

class CApplianceSession : public CInternetSession {
public:
    // title is the agent name; the system's proxy setting applies.
    explicit CApplianceSession(const std::string& title);
};
