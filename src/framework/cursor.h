// Pointer position helper.
#pragma once
#include <windows.h>

// Moves the pointer one pixel up so the window under it asks again for the pointer shape.
inline void NudgeMousePointer() {
    POINT point;
    if (::GetCursorPos(&point)) ::SetCursorPos(point.x, point.y - 1);
}

