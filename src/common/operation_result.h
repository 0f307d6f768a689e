// How an operation a worker ran ended, and why when it failed. The user was told what the failure means where
// it happened; the cause travels on for the caller's decisions.
#pragma once
#include <cstdint>
#include <variant>

// Why a request to an appliance page has no status or no body to show.
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

// The appliance answered, with another status than the operation needed.
struct HttpStatus {
    int code = 0;
    bool operator==(const HttpStatus& other) const { return code == other.code; }
};

// A Windows call failed with this error code.
struct Win32Error {
    uint32_t code = 0;
    bool operator==(const Win32Error& other) const { return code == other.code; }
};

// Causes of our own, where neither a request nor a Windows call says why.
enum class OwnFailure {
    AnswerLacking,     // the appliance's answer lacks what the operation needs
    NothingSelected,   // no folder was selected
    NoVolumes,         // the appliance has no volume to hold a new folder
    ShareNotListed,    // the appliance does not list the folder, or not its volume
    NameUnusable,      // a share name from the network that may not become part of a path
    LetterReassigned,  // the drive letter is another folder's by now
    WorkerNotStarted,  // no thread could be started for the worker
    WorkerThrew,       // the worker ended with an exception
};

using FailureCause = std::variant<std::monostate, RequestFailure, HttpStatus, Win32Error, OwnFailure>;

enum class Outcome { Done, Cancelled, Failed };

struct OperationResult {
    Outcome outcome = Outcome::Done;
    FailureCause cause;  // std::monostate unless the operation failed

    static OperationResult Done() { return {}; }
    static OperationResult Cancelled() { return {Outcome::Cancelled, {}}; }
    static OperationResult Failed(FailureCause why) { return {Outcome::Failed, why}; }

    bool operator==(const OperationResult& other) const {
        return outcome == other.outcome && cause == other.cause;
    }
};

// Runs `body`, which returns an OperationResult; one that throws fails at once, with that as its cause.
template <typename Body>
OperationResult RunGuarded(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return OperationResult::Failed(OwnFailure::WorkerThrew);
    }
}
