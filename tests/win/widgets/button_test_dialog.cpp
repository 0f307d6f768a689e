#include "button_test_dialog.h"
#include "framework/message_reflection.h"
#include "res/resource.h"

namespace {
// DLGTEMPLATE and its items as a WORD stream; every item starts on a DWORD boundary.
class TemplateWriter {
public:
    TemplateWriter(DWORD style, short cx, short cy, const char* title) {
        Dword(style | DS_SETFONT);
        Dword(0);
        m_countAt = m_words.size();
        Words({0, 0, 0, static_cast<WORD>(cx), static_cast<WORD>(cy), 0, 0});
        Text(title);
        m_words.push_back(8);
        Text("MS Sans Serif");
    }
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD atom, const char* text) {
        if (m_words.size() % 2) m_words.push_back(0);
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Words({static_cast<WORD>(x), static_cast<WORD>(y), static_cast<WORD>(cx), static_cast<WORD>(cy), id});
        Words({0xFFFF, atom});
        Text(text);
        m_words.push_back(0);
        ++m_words[m_countAt];
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void Dword(DWORD value) { Words({LOWORD(value), HIWORD(value)}); }
    void Words(std::initializer_list<WORD> values) { m_words.insert(m_words.end(), values); }
    void Text(const char* text) {
        while (*text) m_words.push_back(static_cast<unsigned char>(*text++));
        m_words.push_back(0);
    }
    std::vector<WORD> m_words;
    size_t m_countAt = 0;
};

const WORD kButtonAtom = 0x0080;
const WORD kEditAtom = 0x0081;
}  // namespace

std::vector<ButtonSetup> WizardButtons() {
    return {{1025, "Help", BS_PUSHBUTTON},
            {1032, "Back", BS_PUSHBUTTON},
            {1034, "Next", BS_PUSHBUTTON},
            {IDOK, "Cancel", BS_DEFPUSHBUTTON},
            {1023, "Refresh", BS_PUSHBUTTON}};
}

ButtonTestDialog::ButtonTestDialog(const std::vector<ButtonSetup>& buttons) {
    // The wizard window's size and button size (63 x 24 units), buttons in one row.
    // No caption and not active unless a test needs the focus: Wine waits two seconds for a window
    // manager (there is none on the test display) when it unmaps a window it thinks is managed.
    TemplateWriter writer(WS_POPUP | WS_BORDER, 360, 70, "Icon buttons");
    writer.Item(WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 6, 6, 120, 14, kEditId, kEditAtom, "");
    short x = 6;
    for (const ButtonSetup& setup : buttons) {
        writer.Item(setup.type | WS_TABSTOP, x, 36, 63, 24, setup.id, kButtonAtom, setup.caption);
        x += 70;
    }
    m_hwnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), writer.Get(), nullptr, &DialogProc,
                                          reinterpret_cast<LPARAM>(this));
    for (const ButtonSetup& setup : buttons) {
        auto button = std::make_unique<CIconButton>();
        button->SubclassWindow(Item(setup.id));
        m_buttons[setup.id] = std::move(button);
    }
    ::SetWindowPos(m_hwnd, HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    ::ShowWindow(m_hwnd, SW_SHOWNOACTIVATE);
    Pump();
}

void ButtonTestDialog::Activate() const {
    ::SetActiveWindow(m_hwnd);
    ::SetFocus(Item(kEditId));
    Pump();
}

ButtonTestDialog::~ButtonTestDialog() {
    if (m_hwnd) ::DestroyWindow(m_hwnd);
    Pump();
}

int ButtonTestDialog::Clicks(WORD id) const {
    auto found = m_clicks.find(id);
    return found == m_clicks.end() ? 0 : found->second;
}

void ButtonTestDialog::Pump(DWORD minMs) const {
    const ULONGLONG until = ::GetTickCount64() + minMs;
    do {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (m_hwnd && ::IsDialogMessageA(m_hwnd, &msg)) continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        if (minMs) ::Sleep(10);
    } while (::GetTickCount64() < until);
}

INT_PTR CALLBACK ButtonTestDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        return FALSE;  // no focus yet: setting it would activate the window
    }
    auto* self = reinterpret_cast<ButtonTestDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self) return FALSE;
    LRESULT reflected = 0;
    if (ReflectChildNotification(msg, wParam, lParam, reflected)) {
        if (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) return static_cast<INT_PTR>(reflected);
        ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, reflected);
        return TRUE;
    }
    if (msg == WM_SETFOCUS) ++self->m_focusArrivals;
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        ++self->m_clicks[LOWORD(wParam)];
        return TRUE;
    }
    return FALSE;
}

ControlPicture::ControlPicture(HWND control) {
    RECT client;
    ::GetClientRect(control, &client);
    m_width = client.right;
    m_height = client.bottom;
    HDC screen = ::GetDC(nullptr);
    m_dc = ::CreateCompatibleDC(screen);
    m_bitmap = ::CreateCompatibleBitmap(screen, m_width, m_height);
    ::ReleaseDC(nullptr, screen);
    m_old = ::SelectObject(m_dc, m_bitmap);
    ::SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT);
}

ControlPicture::~ControlPicture() {
    ::SelectObject(m_dc, m_old);
    ::DeleteObject(m_bitmap);
    ::DeleteDC(m_dc);
}

std::vector<COLORREF> IconPixels(HICON icon, int& width, int& height) {
    std::vector<COLORREF> pixels;
    ICONINFO info = {};
    if (!::GetIconInfo(icon, &info)) return pixels;
    BITMAP description = {};
    ::GetObjectA(info.hbmColor, sizeof(description), &description);
    width = description.bmWidth;
    height = description.bmHeight;
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, info.hbmColor);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(::GetPixel(dc, x, y));
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return pixels;
}
