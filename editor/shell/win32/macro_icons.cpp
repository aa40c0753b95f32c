#include "editor/shell/win32/macro_icons.h"

#include "common/win32/icons.h"

namespace orv::editor {

MacroIcons::~MacroIcons() {
    for (auto& [path, icon] : files_)
        if (icon)
            DestroyIcon(icon);
}

HICON MacroIcons::MainIcon() {
    return LoadProgramIcon(OrvaneIcon::Loaded);
}

HICON MacroIcons::MenuIcon() {
    return LoadProgramIcon(OrvaneIcon::Menu);
}

HICON MacroIcons::IconOf(const IconChoice& choice) {
    switch (choice.source) {
        case IconChoice::Source::Menu:
            return MenuIcon();
        case IconChoice::Source::File: {
            auto [at, added] = files_.try_emplace(choice.path, nullptr);
            if (added)
                at->second = static_cast<HICON>(
                    LoadImageA(nullptr, choice.path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
            if (at->second)
                return at->second;
            return MainIcon();
        }
        default:
            return MainIcon();
    }
}

}  // namespace orv::editor
