#include "common/ui/win32/pictures.h"

#include <commctrl.h>

#include "common/ui/win32/form.h"

namespace orv {
namespace {

// The picture within the rectangle: an icon at its natural size, centred
// vertically; a bitmap stretched to fill it.
void DrawPicture(HDC dc, const RECT& r, const Picture& picture, bool stretch) {
    if (picture.Icon) {
        int size = GetSystemMetrics(SM_CXSMICON);
        DrawIconEx(dc, r.left, r.top + (r.bottom - r.top - size) / 2, picture.Icon, size, size, 0,
                   nullptr, DI_NORMAL);
    } else if (picture.Bitmap) {
        BITMAP info{};
        GetObjectA(picture.Bitmap, sizeof info, &info);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, picture.Bitmap);
        int width = stretch ? r.right - r.left : info.bmWidth;
        int height = stretch ? r.bottom - r.top : info.bmHeight;
        int top = stretch ? r.top : r.top + (r.bottom - r.top - height) / 2;
        StretchBlt(dc, r.left, top, width, height, memory, 0, 0, info.bmWidth, info.bmHeight,
                   SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
}

// The face of an owner-drawn button: its frame, pressed or not, the picture
// and the caption (greyed while disabled, the focus shown around it).
void DrawButtonFace(const DRAWITEMSTRUCT& item, const Picture& picture,
                    const std::string& caption) {
    RECT r = item.rcItem;
    bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    InflateRect(&r, -3, -3);
    if (pushed)
        OffsetRect(&r, 1, 1);
    RECT pictureRect = r;
    if (!caption.empty())
        pictureRect.right = pictureRect.left + (r.bottom - r.top);
    DrawPicture(item.hDC, pictureRect, picture, false);
    if (!caption.empty()) {
        RECT text = r;
        text.left = picture.Icon || picture.Bitmap ? pictureRect.right + 2 : r.left;
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC,
                     GetSysColor((item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        DrawTextA(item.hDC, caption.c_str(), -1, &text,
                  DT_SINGLELINE | DT_VCENTER | (text.left == r.left ? DT_CENTER : DT_LEFT));
    }
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &r);
}

}  // namespace

TSpeedButton::TSpeedButton(TForm& form, TControl* parent, Bounds bounds, Picture picture,
                           std::string hint)
    : TControl(form, parent, bounds), picture_(picture), hint_(std::move(hint)) {}

void TSpeedButton::SetPicture(Picture picture) {
    picture_ = picture;
    if (Handle())
        InvalidateRect(Handle(), nullptr, TRUE);
}

void TSpeedButton::SetHint(std::string hint) {
    if (hint == hint_)
        return;
    hint_ = std::move(hint);
    Apply();
}

void TSpeedButton::Apply() {
    if (!Handle() || hint_.empty())
        return;
    if (!tooltip_)
        // Owned by the form, so it goes with the form's window.
        tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Form().Handle(),
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Form().Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(Handle());
    tool.lpszText = const_cast<char*>(hint_.c_str());
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void TSpeedButton::Notify(int code) {
    if (code == BN_CLICKED && OnClick)
        OnClick();
}

bool TSpeedButton::ParentMessage(UINT message, WPARAM, LPARAM l, LRESULT& result) {
    if (message != WM_DRAWITEM)
        return false;
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
    item->itemState &= ~static_cast<UINT>(ODS_FOCUS);  // flat: no focus frame
    DrawButtonFace(*item, picture_, {});
    result = TRUE;
    return true;
}

TImage::TImage(TForm& form, TControl* parent, Bounds bounds, Picture picture)
    : TControl(form, parent, bounds), picture_(picture) {}

void TImage::SetPicture(Picture picture) {
    picture_ = picture;
    if (Handle())
        InvalidateRect(Handle(), nullptr, TRUE);
}

bool TImage::ParentMessage(UINT message, WPARAM, LPARAM l, LRESULT& result) {
    if (message != WM_DRAWITEM)
        return false;
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
    FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
    DrawPicture(item->hDC, item->rcItem, picture_, true);
    result = TRUE;
    return true;
}

TGlyphButton::TGlyphButton(TForm& form, TControl* parent, Bounds bounds, std::string caption,
                           Picture glyph, ButtonRole role)
    : TButton(form, parent, bounds, std::move(caption), role), glyph_(glyph) {}

bool TGlyphButton::ParentMessage(UINT message, WPARAM, LPARAM l, LRESULT& result) {
    if (message != WM_DRAWITEM)
        return false;
    DrawButtonFace(*reinterpret_cast<DRAWITEMSTRUCT*>(l), glyph_, Text());
    result = TRUE;
    return true;
}

THourglass::THourglass() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}

THourglass::~THourglass() {
    SetCursor(previous_);
}

}  // namespace orv
