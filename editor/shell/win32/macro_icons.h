// The pictures of the macro list's icon column and of the quick info: the
// program's icon, the pop-up menu icon, and icon files, each loaded once.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "common/settings.h"

namespace orv::editor {

class MacroIcons {
  public:
    MacroIcons() = default;
    ~MacroIcons();
    MacroIcons(const MacroIcons&) = delete;
    MacroIcons& operator=(const MacroIcons&) = delete;

    // The icon a choice shows; a file that cannot be loaded shows the
    // program's icon.
    HICON IconOf(const IconChoice& choice);
    HICON MainIcon();
    HICON MenuIcon();

  private:
    std::map<std::string, HICON> files_;
};

}  // namespace orv::editor
