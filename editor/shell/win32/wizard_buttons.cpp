#include "editor/shell/win32/wizard_buttons.h"

#include "common/ui/win32/canvas.h"
#include "common/ui/win32/display.h"
#include "editor/shell/win32/editor_resources.h"
#include "editor/shell/wizard_kinds_menu.h"

namespace orv::editor {

namespace {

// Four buttons a row, seven rows fill the page.
constexpr int Columns = 4, Width = 146, Height = 50, StepX = 150, StepY = 52, Margin = 6;

// The form's own font (that of its dialog template) at the glyph's size.
const FontDescription GlyphFont{0, "MS Shell Dlg", 9, 0};

void DrawKindPicture(HDC dc, int kind) {
    HBITMAP picture = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(EditorResource::WizardBase + kind),
                   IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!picture)
        return;
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(picture);
}

}  // namespace

HBITMAP BuildButton(Bounds bounds, int kind, const std::vector<std::string>& lines) {
    const int width = Scaled(bounds.Width) - 6, height = Scaled(bounds.Height) - 6;
    HDC screen = GetDC(nullptr);
    HBITMAP glyph = CreateCompatibleBitmap(screen, width, height);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, glyph);
    {
        TCanvas canvas(dc);
        canvas.FillSystem({0, 0, width, height}, COLOR_BTNFACE);
        DrawKindPicture(dc, kind);
        canvas.SetFont(GlyphFont);
        canvas.SetTextColor(GetSysColor(COLOR_BTNTEXT));
        const std::vector<int> tops = WizardCaptionTops(lines.size());
        for (std::size_t i = 0; i < lines.size() && i < tops.size(); ++i)
            canvas.WriteText(WizardCaptionLeft(width, canvas.TextWidth(lines[i])), Scaled(tops[i]),
                             lines[i]);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return glyph;
}

WizardButtons::WizardButtons(TForm& form, TControl& page) {
    int index = 0;
    for (const WizardMenuEntry& entry : WizardMenuEntries()) {
        if (entry.ButtonLines.empty())
            continue;
        const Bounds b{Margin + (index % Columns) * StepX, Margin + (index / Columns) * StepY,
                       Width, Height};
        HBITMAP glyph = BuildButton(b, entry.Kind, entry.ButtonLines);
        glyphs_.push_back(glyph);
        auto button = std::make_unique<TGlyphButton>(form, &page, b, "", Picture{glyph, nullptr});
        const int kind = entry.Kind;
        button->OnClick = [this, kind] {
            if (OnChoose)
                OnChoose(kind);
        };
        buttons_.emplace_back(kind, std::move(button));
        ++index;
    }
}

WizardButtons::~WizardButtons() {
    buttons_.clear();
    for (HBITMAP glyph : glyphs_) DeleteObject(glyph);
}

TGlyphButton* WizardButtons::Button(int kind) const {
    for (const auto& [k, button] : buttons_)
        if (k == kind)
            return button.get();
    return nullptr;
}

}  // namespace orv::editor
