// Notifications a parent hands back to the child control they are about (WM_DRAWITEM, WM_CTLCOLOR*,
// WM_COMMAND, WM_NOTIFY), so control classes draw and react for themselves. The child receives them as
// kReflectedMessageBase + the original message, with the original parameters.
#pragma once
#include <windows.h>

// Above WM_APP and below registered messages: no standard or common control gives these a meaning.
constexpr UINT kReflectedMessageBase = 0xBC00;

// For a parent's window or dialog procedure. Returns true when the child answered: for WM_DRAWITEM
// a non-zero result, for WM_CTLCOLOR* a brush (the result). WM_COMMAND and WM_NOTIFY are passed on but
// never count as answered, so the parent still acts on them.
bool ReflectChildNotification(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
