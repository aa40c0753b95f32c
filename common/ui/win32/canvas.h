// Drawing on a device context: fonts, text sizes, fills in plain and system
// colours, small icons. Owner-drawn controls get one in their draw handlers.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/font_description.h"

namespace orv {

// The screen's pixels per inch, and the font at its point size on a device of
// that many pixels per inch.
int ScreenPixelsPerInch();
LOGFONTA LogFontOf(const FontDescription& font, int pixelsPerInch);

// A font object for the description, at the display's pixels per inch and scale;
// the caller deletes it.
HFONT CreateFontFrom(const FontDescription& font);

// A font object made once from a description and kept with its colour, for
// drawing that would otherwise make it anew for every cell.
class TFont {
  public:
    TFont() = default;
    explicit TFont(const FontDescription& font);
    ~TFont();
    TFont(TFont&& other) noexcept;
    TFont& operator=(TFont&& other) noexcept;

    HFONT Handle() const { return handle_; }
    COLORREF Color() const { return color_; }

  private:
    HFONT handle_ = nullptr;
    COLORREF color_ = 0;
};

class TCanvas {
  public:
    // Draws on a device context the caller owns; whatever the canvas selects
    // into it is taken out again when the canvas goes.
    explicit TCanvas(HDC dc);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle() const { return dc_; }
    // Text from now on in this font and its colour.
    void SetFont(const FontDescription& font);
    // The same with a font the caller keeps.
    void SetFont(const TFont& font);
    void SetTextColor(COLORREF color);
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    // Transparent text, its top-left corner at the point.
    void WriteText(int x, int y, std::string_view text);
    // Text cut from its end to fit the width (no ellipsis).
    void WriteFitted(int x, int y, int width, std::string_view text);
    void Fill(const RECT& rect, COLORREF color);
    void FillSystem(const RECT& rect, int systemColor);
    // A 16 by 16 icon with its top-left corner at the point.
    void DrawIcon16(int x, int y, HICON icon);

  private:
    void Select(HFONT font);

    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ oldFont_ = nullptr;
    int oldMode_;
    COLORREF oldColor_;
};

}  // namespace orv
