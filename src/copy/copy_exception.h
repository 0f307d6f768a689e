// Why a copy stopped: the engine's own text (code 0) or a system error code with the system's text.
#pragma once
#include <windows.h>
#include <string>

class CFExeption {
public:
    explicit CFExeption(DWORD systemCode);
    explicit CFExeption(std::string text) : m_strText(std::move(text)) {}

    const std::string& Text() const { return m_strText; }
    DWORD Code() const { return m_dwCode; }

private:
    std::string m_strText;
    DWORD m_dwCode = 0;
};

// The system's message for an error code, without the trailing line break.
std::string SystemErrorText(DWORD code);
