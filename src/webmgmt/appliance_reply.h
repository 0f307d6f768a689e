// What one request to an appliance page brought back, kept by the one who asked: its status, its body when
// it came whole, or why there is neither.
#pragma once
#include "common/operation_result.h"
#include "webmgmt/reply_lookup.h"
#include <optional>
#include <string>

// Upper bound of a kept reply body; a longer one makes the request fail.
constexpr size_t kReplyBodyLimit = 1024 * 1024;

struct ApplianceReply {
    static constexpr int kStatusOk = 200;

    int status = 0;  // the final HTTP status (one redirect followed); 0 whenever `failure` says why
    RequestFailure failure = RequestFailure::None;
    std::optional<std::string> body;  // a 200's body, whole and not empty, byte for byte

    // The value after `marker` in the body ("" without a body or without the marker).
    std::string Value(const std::string& marker) const { return body ? FindReplyValueIn(*body, marker) : ""; }

    // Why this reply does not carry what was asked for: the request's failure, a status other than OK, or
    // an OK answer without the value wanted.
    FailureCause Cause() const {
        if (failure != RequestFailure::None) return failure;
        if (status != kStatusOk) return HttpStatus{status};
        return OwnFailure::AnswerLacking;
    }
};
