// The font dialog, a service a test replaces, and the one translation of a
// FontDescription into the system's font description.
#pragma once

#include <windows.h>

#include <optional>

#include "common/font_description.h"

namespace orv {

class FontDialogs {
  public:
    virtual ~FontDialogs() = default;
    // The chosen font, or nothing when the user cancelled. With effects the
    // dialog offers colour, underline and strike-out as well.
    virtual std::optional<FontDescription> Choose(HWND owner, const FontDescription& start,
                                                  bool effects) = 0;
};

class Win32FontDialogs final : public FontDialogs {
  public:
    std::optional<FontDescription> Choose(HWND owner, const FontDescription& start,
                                          bool effects) override;
};

FontDialogs& CurrentFontDialogs();
void SetCurrentFontDialogs(FontDialogs* dialogs);

}  // namespace orv
