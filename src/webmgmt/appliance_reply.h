// What one request to an appliance page brought back, kept by the one who asked: its status, its body when
// it came whole, or why there is neither.
#pragma once
#include "webmgmt/reply_lookup.h"
#include <optional>
#include <string>

// Why a request has no status or no body to show.
enum class RequestFailure {
    None,
    NoSession,           // the internet library could not be started
    NoConnection,        // no connection to the appliance could be opened
    NoStatus,            // the request went out unanswered, or could not go out
    RedirectUnreadable,  // a redirect without a location that could be followed
    RedirectElsewhere,   // a redirect to another server, which the login must not reach
    BodyBroken,          // the body broke off or fell short of its declared length
    BodyTooLong,         // the body outgrew kReplyBodyLimit
};

// Upper bound of a kept reply body; a longer one makes the request fail.
constexpr size_t kReplyBodyLimit = 1024 * 1024;

struct ApplianceReply {
    int status = 0;  // the final HTTP status (one redirect followed); 0 whenever `failure` says why
    RequestFailure failure = RequestFailure::None;
    std::optional<std::string> body;  // a 200's body, whole and not empty, byte for byte

    // The value after `marker` in the body ("" without a body or without the marker).
    std::string Value(const std::string& marker) const { return body ? FindReplyValueIn(*body, marker) : ""; }
};
