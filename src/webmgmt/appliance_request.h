// The one synchronous request to an appliance management page; its reply is the caller's own.
#pragma once
#include "webmgmt/appliance_reply.h"
#include <windows.h>
#include <wininet.h>
#include <string>

class WizardHost;

// The port of every appliance's management pages.
constexpr INTERNET_PORT kApplianceWebPort = 80;

// The final HTTP status (one redirect is followed) and, for a 200, the whole body; or the failure that left
// none (see RequestFailure). userName and password answer the server's challenge, once, as a Basic header of
// exactly these bytes; a redirect is followed only to the same server (http, host and port). The window's
// progress animation runs while the request does when feedbackHost is given.
ApplianceReply SendApplianceRequest(const std::string& title, const std::string& host, INTERNET_PORT port,
                         const std::string& object, const std::string& userName, const std::string& password,
                         WizardHost* feedbackHost = nullptr);
