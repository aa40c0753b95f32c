#include "common/ui/win32/font_dialogs.h"

#include <commdlg.h>

#include "common/ui/win32/canvas.h"

namespace orv {
namespace {

FontDialogs* installedFontDialogs = nullptr;

}  // namespace

std::optional<FontDescription> Win32FontDialogs::Choose(HWND owner, const FontDescription& start,
                                                        bool effects) {
    LOGFONTA log = LogFontOf(start, ScreenPixelsPerInch());
    CHOOSEFONTA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = owner;
    choice.lpLogFont = &log;
    choice.rgbColors = static_cast<COLORREF>(start.Color);
    choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | (effects ? CF_EFFECTS : 0);
    if (!ChooseFontA(&choice))
        return std::nullopt;
    FontDescription chosen = start;
    chosen.Name = log.lfFaceName;
    chosen.Size = choice.iPointSize / 10;
    chosen.Style = static_cast<std::uint8_t>((log.lfWeight >= FW_BOLD ? FontStyle::Bold : 0) |
                                             (log.lfItalic ? FontStyle::Italic : 0) |
                                             (log.lfUnderline ? FontStyle::Underline : 0) |
                                             (log.lfStrikeOut ? FontStyle::Strikeout : 0));
    if (effects)
        chosen.Color = static_cast<std::int32_t>(choice.rgbColors);
    return chosen;
}

FontDialogs& CurrentFontDialogs() {
    static Win32FontDialogs system;
    return installedFontDialogs ? *installedFontDialogs : system;
}

void SetCurrentFontDialogs(FontDialogs* dialogs) {
    installedFontDialogs = dialogs;
}

}  // namespace orv
