// RAII owners for Win32 handles: one template, aliases named after what they close.
#pragma once
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <cstdint>
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
inline void FindCloseValue(HANDLE h) { ::FindClose(h); }
inline void CloseSocketValue(SOCKET s) { ::closesocket(s); }
inline void CloseKeyValue(HKEY k) { ::RegCloseKey(k); }
inline void DestroyIconValue(HICON i) { ::DestroyIcon(i); }
inline void DestroyMenuValue(HMENU m) { ::DestroyMenu(m); }
inline void DeleteDcValue(HDC dc) { ::DeleteDC(dc); }
inline void DestroyImageListValue(HIMAGELIST list) { ::ImageList_Destroy(list); }
template <typename T>
void DeleteGdiValue(T object) {
    ::DeleteObject(object);
}

// Handles that say "none" with null, and the two kinds that say it with INVALID_HANDLE_VALUE instead.
constexpr intptr_t kInvalidHandle = -1;
using unique_handle = unique_any<HANDLE, CloseHandleValue, nullptr>;
using unique_file = unique_any<HANDLE, CloseHandleValue, kInvalidHandle>;  // CreateFile
using unique_find = unique_any<HANDLE, FindCloseValue, kInvalidHandle>;    // FindFirstFile
using unique_hkey = unique_any<HKEY, CloseKeyValue, nullptr>;
using unique_hicon = unique_any<HICON, DestroyIconValue, nullptr>;
using unique_hmenu = unique_any<HMENU, DestroyMenuValue, nullptr>;
using unique_hdc = unique_any<HDC, DeleteDcValue, nullptr>;  // CreateCompatibleDC
using unique_himagelist = unique_any<HIMAGELIST, DestroyImageListValue, nullptr>;
template <typename T>
using unique_gdi = unique_any<T, DeleteGdiValue<T>, nullptr>;  // pens, brushes, bitmaps, fonts
using unique_socket = unique_any<SOCKET, CloseSocketValue, INVALID_SOCKET>;

// A window's device context (GetDC), released to its window.
class window_dc {
public:
    explicit window_dc(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
    ~window_dc() {
        if (m_dc) ::ReleaseDC(m_window, m_dc);
    }
    window_dc(const window_dc&) = delete;
    window_dc& operator=(const window_dc&) = delete;
    HDC get() const { return m_dc; }
    explicit operator bool() const { return m_dc != nullptr; }

private:
    HWND m_window;
    HDC m_dc;
};

// An object selected into a device context for as long as this lives; the one it replaced goes back.
class selection {
public:
    selection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~selection() {
        if (m_previous) ::SelectObject(m_dc, m_previous);
    }
    selection(const selection&) = delete;
    selection& operator=(const selection&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// A COM interface pointer, released once.
template <typename T>
class com_ptr {
public:
    com_ptr() = default;
    ~com_ptr() { reset(); }
    com_ptr(const com_ptr&) = delete;
    com_ptr& operator=(const com_ptr&) = delete;
    T* get() const { return m_pointer; }
    T* operator->() const { return m_pointer; }
    explicit operator bool() const { return m_pointer != nullptr; }
    // For the functions that hand out a new reference: the old one is released first.
    T** put() {
        reset();
        return &m_pointer;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }
    void reset() {
        if (m_pointer) m_pointer->Release();
        m_pointer = nullptr;
    }

private:
    T* m_pointer = nullptr;
};

}  // namespace fw
