// Pointer helpers.
#pragma once
#include <windows.h>

// Moves the pointer one pixel up so the window under it asks again for the pointer shape.
inline void NudgeMousePointer() {
    POINT point;
    if (::GetCursorPos(&point)) ::SetCursorPos(point.x, point.y - 1);
}

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    CWaitCursor() : m_previous(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(m_previous); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};
