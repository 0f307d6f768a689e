// The window's side of WizardHost for tests that run the workers' code on the test thread: message boxes
// are real (a MessageBoxAnswerer answers them), password prompts answer from a list and are counted.
#pragma once
#include "common/wizard_host.h"
#include <deque>
#include <vector>
#include <windows.h>

class TestWizardHost : public WizardHost {
public:
    std::deque<std::optional<std::string>> m_passwords;  // answers of the password prompt, in turn
    std::vector<std::string> m_promptedFor;
    std::vector<unsigned> m_failures;

    bool RunOnWindow(const std::function<void()>& work) override {
        work();
        return true;
    }
    int ShowMessage(const std::string& text, unsigned flags) override {
        return ::MessageBoxA(nullptr, text.c_str(), "Harborbox Quickmap", flags);
    }
    void ReportFailure(unsigned stringId) override { m_failures.push_back(stringId); }
    void SetProgressAnimation(bool) override {}
    std::optional<AdminCredentials> PromptAdminCredentials(const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> PromptSharePassword(const std::string& shareName) override {
        m_promptedFor.push_back(shareName);
        if (m_passwords.empty()) return std::nullopt;
        auto answer = m_passwords.front();
        m_passwords.pop_front();
        return answer;
    }
    void ReloadSharePage() override {}
};
