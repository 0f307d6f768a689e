// Why a copy stopped: the engine's own text (code 0) or a system error code with the system's text, and
// the source item it stopped at.
#pragma once
#include <windows.h>
#include <string>

class CFExeption {
public:
    CFExeption(DWORD systemCode, std::wstring path);
    CFExeption(std::string text, std::wstring path) : m_strText(std::move(text)), m_path(std::move(path)) {}

    const std::string& Text() const { return m_strText; }
    DWORD Code() const { return m_dwCode; }
    const std::wstring& Path() const { return m_path; }

private:
    std::string m_strText;
    DWORD m_dwCode = 0;
    std::wstring m_path;
};

// The system's message for an error code, without the trailing line break.
std::string SystemErrorText(DWORD code);
