#include "common/ui/win32/canvas.h"

#include <utility>

#include "common/ui/fit_text.h"

namespace orv {

int ScreenPixelsPerInch() {
    HDC screen = GetDC(nullptr);
    int perInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return perInch;
}

LOGFONTA LogFontOf(const FontDescription& font, int pixelsPerInch) {
    LOGFONTA log{};
    log.lfHeight = -MulDiv(font.Size, pixelsPerInch, 72);
    log.lfWeight = font.Style & FontStyle::Bold ? FW_BOLD : FW_NORMAL;
    log.lfItalic = (font.Style & FontStyle::Italic) != 0;
    log.lfUnderline = (font.Style & FontStyle::Underline) != 0;
    log.lfStrikeOut = (font.Style & FontStyle::Strikeout) != 0;
    log.lfCharSet = DEFAULT_CHARSET;
    font.Name.copy(log.lfFaceName, LF_FACESIZE - 1);
    return log;
}

HFONT CreateFontFrom(const FontDescription& font) {
    // Points at the screen's DPI: scaled as the layout is, and not again.
    const LOGFONTA log = LogFontOf(font, ScreenPixelsPerInch());
    return CreateFontIndirectA(&log);
}

TFont::TFont(const FontDescription& font)
    : handle_(CreateFontFrom(font)), color_(static_cast<COLORREF>(font.Color)) {}

TFont::~TFont() {
    if (handle_)
        DeleteObject(handle_);
}

TFont::TFont(TFont&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), color_(other.color_) {}

TFont& TFont::operator=(TFont&& other) noexcept {
    if (this != &other) {
        if (handle_)
            DeleteObject(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
        color_ = other.color_;
    }
    return *this;
}

TCanvas::TCanvas(HDC dc)
    : dc_(dc), oldMode_(SetBkMode(dc, TRANSPARENT)), oldColor_(GetTextColor(dc)) {}

TCanvas::~TCanvas() {
    if (oldFont_)
        SelectObject(dc_, oldFont_);
    if (font_)
        DeleteObject(font_);
    SetBkMode(dc_, oldMode_);
    ::SetTextColor(dc_, oldColor_);
}

void TCanvas::Select(HFONT font) {
    HGDIOBJ previous = SelectObject(dc_, font);
    if (!oldFont_)
        oldFont_ = previous;
}

void TCanvas::SetFont(const FontDescription& font) {
    HFONT created = CreateFontFrom(font);
    Select(created);
    if (font_)
        DeleteObject(font_);
    font_ = created;
    ::SetTextColor(dc_, static_cast<COLORREF>(font.Color));
}

void TCanvas::SetFont(const TFont& font) {
    Select(font.Handle());
    ::SetTextColor(dc_, font.Color());
}

void TCanvas::SetTextColor(COLORREF color) {
    ::SetTextColor(dc_, color);
}

int TCanvas::TextWidth(std::string_view text) const {
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int TCanvas::TextHeight(std::string_view text) const {
    SIZE size{};
    GetTextExtentPoint32A(dc_, text.empty() ? "X" : text.data(),
                          text.empty() ? 1 : static_cast<int>(text.size()), &size);
    return size.cy;
}

void TCanvas::WriteText(int x, int y, std::string_view text) {
    ::TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void TCanvas::WriteFitted(int x, int y, int width, std::string_view text) {
    WriteText(x, y, FitText(text, width, [this](std::string_view s) { return TextWidth(s); }));
}

void TCanvas::Fill(const RECT& rect, COLORREF color) {
    HBRUSH brush = CreateSolidBrush(color);
    FillRect(dc_, &rect, brush);
    DeleteObject(brush);
}

void TCanvas::FillSystem(const RECT& rect, int systemColor) {
    FillRect(dc_, &rect, GetSysColorBrush(systemColor));
}

void TCanvas::DrawIcon16(int x, int y, HICON icon) {
    DrawIconEx(dc_, x, y, icon, 16, 16, 0, nullptr, DI_NORMAL);
}

}  // namespace orv
