// The one synchronous request to an appliance management page: its body goes to the reply file.
#pragma once
#include <windows.h>
#include <wininet.h>
#include <string>

class WizardHost;

// Returns the final HTTP status (one redirect is followed), or 0 when no status could be read, a redirect could
// not be followed, or the body could not be received whole (too long or broken off). The reply file exists
// afterwards only for a 200 with a non-empty body. userName and password answer the server's challenge,
// once, as a Basic header of exactly these bytes; a
// redirect is followed only to the same server (http, host and port), else the result is 0. The window's
// progress animation runs while the request does when feedbackHost is given.
int SendApplianceRequest(const std::string& title, const std::string& host, INTERNET_PORT port,
                         const std::string& object, const std::string& userName, const std::string& password,
                         WizardHost* feedbackHost = nullptr);
