// RAII owners for Win32 handles: one template, aliases named after what they close.
#pragma once
#include <winsock2.h>
#include <windows.h>
#include <utility>

namespace fw {

template <typename T, auto Close, auto Invalid>
class unique_any {
public:
    unique_any() = default;
    explicit unique_any(T value) : m_value(value) {}
    ~unique_any() { reset(); }
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;
    unique_any(unique_any&& other) noexcept : m_value(other.release()) {}
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    T get() const { return m_value; }
    explicit operator bool() const { return m_value != T(Invalid); }
    T release() { return std::exchange(m_value, T(Invalid)); }
    void reset(T value = T(Invalid)) {
        if (m_value != T(Invalid)) Close(m_value);
        m_value = value;
    }

private:
    T m_value = T(Invalid);
};

inline void CloseHandleValue(HANDLE h) { ::CloseHandle(h); }
inline void CloseSocketValue(SOCKET s) { ::closesocket(s); }
inline void CloseKeyValue(HKEY k) { ::RegCloseKey(k); }
inline void DestroyIconValue(HICON i) { ::DestroyIcon(i); }
inline void DestroyMenuValue(HMENU m) { ::DestroyMenu(m); }
inline void DeleteGdiValue(HGDIOBJ o) { ::DeleteObject(o); }

using unique_handle = unique_any<HANDLE, CloseHandleValue, nullptr>;
using unique_hkey = unique_any<HKEY, CloseKeyValue, nullptr>;
using unique_hicon = unique_any<HICON, DestroyIconValue, nullptr>;
using unique_hmenu = unique_any<HMENU, DestroyMenuValue, nullptr>;
using unique_gdiobj = unique_any<HGDIOBJ, DeleteGdiValue, nullptr>;
using unique_socket = unique_any<SOCKET, CloseSocketValue, INVALID_SOCKET>;

}  // namespace fw
