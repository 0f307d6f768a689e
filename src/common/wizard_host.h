// What a worker of the wizard window may ask of it. Workers never touch the window, its controls or the
// device registry; they get values when they start, ask through this interface while they run, and hand
// their result back as a message. Every call is safe from any thread and stays safe after the window is
// gone: then nothing is shown and each call gives its "cancelled" answer at once.
#pragma once
#include "common/admin_credentials.h"
#include <functional>
#include <optional>
#include <string>

class WizardHost {
public:
    virtual ~WizardHost() = default;

    // Runs `work` on the window's thread and waits until it has run. False (and `work` not run) once the
    // window is gone. On the window's own thread it runs at once.
    virtual bool RunOnWindow(const std::function<void()>& work) = 0;

    // A message box owned by the window, captioned with the program's title; `flags` are MB_* values.
    // Returns the button pressed, or 0 when the window is gone.
    virtual int ShowMessage(const std::string& text, unsigned flags) = 0;

    // The failure message of string `stringId` (OK box), and the progress bar back to its start.
    virtual void ReportFailure(unsigned stringId) = 0;

    // Starts or stops the progress animation; does not wait.
    virtual void SetProgressAnimation(bool on) = 0;

    // The administrator prompt for `deviceName`: what was typed, or empty when cancelled. The caller hands
    // what it used back to the window with its result (the window's credential cache).
    virtual std::optional<AdminCredentials> PromptAdminCredentials(const std::string& deviceName) = 0;

    // The password prompt without a user name, for the shared folder of network path `remoteName`.
    // Empty when cancelled.
    virtual std::optional<std::string> PromptSharePassword(const std::string& remoteName) = 0;

    // Loads the share page again (timer 889); does not wait.
    virtual void ReloadSharePage() = 0;
};
