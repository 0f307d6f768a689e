// Every text of every dialog in every language variant fits its control in the dialog's own font, also
// the texts the program puts into a control later, at the display scaling the test bed gives (the suite runs
// it at 96, 144 and 192 dpi); each failure names variant, dialog, control and sizes.
// The notification icon's tips fit its tooltip.
#include "app/tray_icon.h"
#include "common/art_sizes.h"
#include "framework/dpi.h"
#include "i18n/language_variants.h"
#include "res/resource.h"
#include <commctrl.h>
#include <gtest/gtest.h>
#include <map>

using variants::Describe;
using variants::Utf8;

namespace {

struct Size {
    int width = 0, height = 0;
};

// Texts the program shows in a control of a template instead of (or after) the template's own.
std::vector<std::wstring> LaterTexts(HMODULE program, LANGID language, WORD dialogId, int controlId) {
    auto text = [&](UINT id) { return variants::String(program, language, id); };
    auto filled = [&](UINT id, std::vector<std::wstring> values) {
        std::wstring result = text(id);
        for (size_t i = values.size(); i > 0; --i) {
            const std::wstring marker = L"%" + std::to_wstring(i);
            const size_t at = result.find(marker);
            if (at != std::wstring::npos) result.replace(at, marker.size(), values[i - 1]);
        }
        return result;
    };
    // The widest counts a scan gives (four adapters, a thousand datagrams), a long appliance name.
    const std::wstring longName = L"Harborbox-Living-Room-3456";
    if (dialogId == IDD_QUICKMAP_DIALOG) {
        switch (controlId) {
        case IDC_STATUS_LINE:
            return {text(IDS_SEARCHING),        text(IDS_STATUS_DEVICE_PAGE), text(IDS_STATUS_NOT_FOUND),
                    filled(IDS_STATUS_NOTHING_ANSWERED, {L"1032", L"4", L"1024"}), text(IDS_STATUS_NO_NETWORK),
                    filled(IDS_WAKING, {longName, L"20"}),
                    text(IDS_STATUS_SHARE_PAGE), text(IDS_STATUS_NO_SHARES),
                    text(IDS_CONGRATULATIONS) + L" " + text(IDS_STATUS_FINISH_PAGE), text(IDS_STATUS_FINISH_PAGE)};
        case IDC_NEXT: return {text(IDS_NEXT), text(IDS_SETTINGS)};
        case IDOK: return {text(IDS_CANCEL), text(IDS_CLOSE)};
        }
    }
    if (dialogId == IDD_PASSWORD && controlId == IDC_PASSWORD_PROMPT)
        return {text(IDS_SHARE_PASSWORD_PROMPT) + L" \\\\HARBORBOX-3456\\Shared Media",
                text(IDS_ADMIN_PASSWORD_PROMPT) + L"\n\\\\Harborbox-3456"};
    return {};
}

// The part of a control its text may use, and how the control lays the text out.
struct TextBox {
    Size room;
    UINT format = 0;
    bool measured = false;
};

TextBox TextBoxOf(const variants::Control& control, WORD dialogId) {
    RECT client;
    ::GetClientRect(control.hwnd, &client);
    TextBox box;
    box.room = {client.right, client.bottom};
    box.format = DT_CALCRECT | DT_EXPANDTABS;
    if (control.className == "Static") {
        const LONG type = control.style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE)
            return box;
        box.format |= (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) ? DT_SINGLELINE : DT_WORDBREAK;
        if (control.style & SS_NOPREFIX) box.format |= DT_NOPREFIX;
    } else if (control.className == "Button") {
        const LONG type = control.style & BS_TYPEMASK;
        const int edge = ::GetSystemMetrics(SM_CXEDGE);
        box.format |= (control.style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
        if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
            box.room.width -= 2 * (edge + 1);  // border and focus rectangle
            box.room.height -= 2 * edge;
            // The wizard window's buttons carry an icon of their DPI left of a caption that may wrap.
            if (dialogId == IDD_QUICKMAP_DIALOG) {
                box.room.width = client.right - 3 - art_sizes::IconSide(16, fw::WindowDpi(control.hwnd));
                box.format = (box.format & ~DT_SINGLELINE) | DT_WORDBREAK;
            }
        } else if (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
                   type == BS_AUTORADIOBUTTON || type == BS_3STATE || type == BS_AUTO3STATE) {
            box.room.width -= ::GetSystemMetrics(SM_CXMENUCHECK) + 4;  // the box and its gap
        } else if (type == BS_GROUPBOX) {
            box.room.width -= 16;
        } else {
            return box;
        }
    } else {
        return box;
    }
    box.measured = true;
    return box;
}

Size Measure(HWND control, const std::wstring& text, const TextBox& box) {
    HDC dc = ::GetDC(control);
    HGDIOBJ old = ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect = {0, 0, box.room.width, 0};
    ::DrawTextW(dc, text.c_str(), -1, &rect, box.format);
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

TEST(DialogLayout, EveryTextFitsItsControlInEveryVariant) {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&classes);
    HMODULE program = variants::Program();
    ASSERT_NE(program, nullptr) << "Quickmap.exe is not built next to the test runner";
    const std::vector<WORD> dialogs = variants::Names(program, RT_DIALOG, variants::kEnglish);
    ASSERT_FALSE(dialogs.empty());
    int checked = 0;
    std::vector<std::string> failures;
    for (const variants::Variant& variant : variants::All()) {
        for (WORD dialogId : dialogs) {
            HWND dialog = variants::CreateDialogOf(program, dialogId, variant.id);
            if (!dialog) continue;  // reported by the resource check
            for (const variants::Control& control : variants::Controls(dialog)) {
                const TextBox box = TextBoxOf(control, dialogId);
                if (!box.measured) continue;
                std::vector<std::wstring> texts = LaterTexts(program, variant.id, dialogId, control.id);
                texts.push_back(control.text);
                for (const std::wstring& text : texts) {
                    if (text.empty()) continue;
                    ++checked;
                    const Size needed = Measure(control.hwnd, text, box);
                    if (needed.width <= box.room.width && needed.height <= box.room.height) continue;
                    failures.push_back(Describe(variant.id) + ", dialog " + std::to_string(dialogId) + ", control " +
                                       std::to_string(control.id) + " \"" + Utf8(text) + "\": needs " +
                                       std::to_string(needed.width) + "x" + std::to_string(needed.height) +
                                       " px, has " + std::to_string(box.room.width) + "x" +
                                       std::to_string(box.room.height));
                }
            }
            ::DestroyWindow(dialog);
        }
    }
    EXPECT_GT(checked, 18 * 10);
    std::string report;
    for (const std::string& failure : failures) report += failure + "\n";
    EXPECT_TRUE(failures.empty()) << failures.size() << " texts do not fit at " << fw::WindowDpi(nullptr)
                                  << " dpi:\n" << report;
}

TEST(DialogLayout, NotificationIconTipsAreNeverCut) {
    HMODULE program = variants::Program();
    ASSERT_NE(program, nullptr);
    for (const variants::Variant& variant : variants::All())
        for (UINT id : {IDS_ABOUT_QUICKMAP, IDS_SEARCHING, IDS_NOT_FOUND, IDS_NAME_CONFLICT, IDS_TRAY_NORMAL}) {
            const std::wstring tip = variants::String(program, variant.id, id);
            EXPECT_LE(tip.size(), kTrayTooltipMax) << Describe(variant.id) << ", string " << id << " \"" << Utf8(tip)
                                                   << "\"";
        }
}
