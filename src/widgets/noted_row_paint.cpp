#include "widgets/noted_row_paint.h"
#include "framework/handles.h"
#include "widgets/device_list_layout.h"
#include <algorithm>

namespace {
int TextWidth(HDC dc, const std::string& text) {
    SIZE size = {};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

RECT ItemRect(HWND list, int item, int part) {
    RECT rect = {};
    rect.left = part;
    ::SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void DrawLine(HDC dc, const std::string& text, RECT rect) {
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}
}  // namespace

void PaintNotedRow(HWND list, const NMLVCUSTOMDRAW& draw, const DeviceListRow& row) {
    const int item = static_cast<int>(draw.nmcd.dwItemSpec);
    HDC dc = draw.nmcd.hdc;
    const RECT bounds = ItemRect(list, item, LVIR_BOUNDS);
    const RECT icon = ItemRect(list, item, LVIR_ICON);
    const UINT state = static_cast<UINT>(
        ::SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_SELECTED | LVIS_FOCUSED));
    // As the list draws a selected row: highlighted while it has the focus, pale otherwise.
    const bool hasFocus = ::GetFocus() == list;
    const bool highlighted = (state & LVIS_SELECTED) && hasFocus;
    RECT label = bounds;
    label.left = icon.right;
    const COLORREF back = static_cast<COLORREF>(::SendMessageA(list, LVM_GETBKCOLOR, 0, 0));
    ::SetBkColor(dc, back == CLR_NONE ? ::GetSysColor(COLOR_WINDOW) : back);
    ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &bounds, nullptr, 0, nullptr);
    if (state & LVIS_SELECTED) {
        ::SetBkColor(dc, ::GetSysColor(highlighted ? COLOR_HIGHLIGHT : COLOR_BTNFACE));
        ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &label, nullptr, 0, nullptr);
    }
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(::SendMessageA(list, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    if (images) ::ImageList_Draw(images, row.image, dc, icon.left, icon.top, ILD_TRANSPARENT);

    const fw::selection font(dc, reinterpret_cast<HFONT>(::SendMessageA(list, WM_GETFONT, 0, 0)));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
    // The list's own label margin, so the text lines up with that of the other rows.
    const int margin = ::GetSystemMetrics(SM_CXEDGE);
    // Within the visible width, where a vertical scroll bar takes part of the columns.
    RECT client;
    ::GetClientRect(list, &client);
    RECT text = {label.left + margin, label.top, std::min(label.right, client.right) - margin, label.bottom};
    const std::string rest = DeviceListRowText(row).substr(row.name.size());
    const int nameWidth = NotedRowNameWidth(TextWidth(dc, row.name), TextWidth(dc, rest), text.right - text.left);
    DrawLine(dc, row.name, {text.left, text.top, text.left + nameWidth, text.bottom});
    text.left += nameWidth;
    DrawLine(dc, rest, text);
    if ((state & LVIS_FOCUSED) && hasFocus) ::DrawFocusRect(dc, &label);
}
