// The main window's macro menus: the menu of a pop-up-menu macro and the
// top-window menu, shown in "Choose A Macro".
#include "common/macro_texts.h"
#include "common/string_routines.h"
#include "common/win32/icons.h"
#include "common/win32/window_numbers.h"
#include "player/win32/forms/do_a_menu.h"
#include "player/win32/main_window.h"

namespace orv::player {
namespace {

constexpr int TopWindowIconSize = 32;

// Icons loaded from files for one menu, freed when it has gone.
class MenuPictures {
  public:
    MenuPictures() = default;
    MenuPictures(const MenuPictures&) = delete;
    MenuPictures& operator=(const MenuPictures&) = delete;
    ~MenuPictures() {
        for (HICON icon : loaded_) DestroyIcon(icon);
    }
    // A missing icon file falls back to the menu or the loaded-macros picture.
    HICON Of(const IconChoice& choice, std::int16_t kind, int size) {
        if (choice.source == IconChoice::Source::File) {
            if (auto* icon = static_cast<HICON>(LoadImageA(nullptr, choice.path.c_str(), IMAGE_ICON,
                                                           size, size, LR_LOADFROMFILE))) {
                loaded_.push_back(icon);
                return icon;
            }
        }
        const bool menu =
            choice.source == IconChoice::Source::Menu ||
            (choice.source == IconChoice::Source::File && kind == MacroKind::PopupMenu);
        return LoadProgramIcon(menu ? OrvaneIcon::Menu : OrvaneIcon::Loaded);
    }

  private:
    std::vector<HICON> loaded_;
};

}  // namespace

std::optional<HeldMacro> TMainWin::ChooseFromMenu(const MacroRecord& menu) {
    return ShowMacroMenu(MenuEntries(menu, hookData_->EntryCount()),
                         ReadMenuOptions(menu.CuewordText.str()));
}

std::optional<HeldMacro> TMainWin::ShowMacroMenu(const std::vector<int>& macros,
                                                 const MenuOptions& options) {
    MenuPictures pictures;
    std::vector<MenuEntry> entries;
    // What each entry showed: the menu handles messages, and a reload may
    // renumber the library before the choice runs.
    std::vector<HeldMacro> shown;
    for (int n : macros) {
        HeldMacro held;
        // An entry whose record cannot be read is left out, never shown as
        // whatever was read before.
        if (!library_->HoldMacroRecord(n, held))
            continue;
        const MacroRecord& r = held.AsRead;
        entries.push_back(
            {n,
             MenuEntryName(r.Nickname.str(), r.ActivationCode, r.CuewordText.str()),
             ScopeText(r.MacroKind, hookData_->Entry(n).ScopeText, ScopeWording::Menu),
             r.ScriptText(),
             {nullptr, pictures.Of(settings_->Icon[n], r.MacroKind, options.IconSize)}});
        shown.push_back(std::move(held));
    }
    const HWND target = GetAncestor(WindowFromNumber(dispatch_->TargetWindow), GA_ROOT);
    TDoAMenu menu(std::move(entries), options, dispatch_->TrayMenuX);
    menu.ShowModal(window_);
    // The chosen macro types into the window it was asked for, not into
    // whatever the system brought forward when the menu went; a menu
    // cancelled leaves the keys where they were, never on the hidden window.
    if (target && IsWindow(target))
        TransferForeground(target);
    for (HeldMacro& held : shown)
        if (held.Number == menu.Answer)
            return std::move(held);
    return std::nullopt;
}

void TMainWin::MenuTopWindow() {
    const std::uint32_t foreground = ForegroundWindow();
    const std::vector<int> entries =
        TopWindowEntries(*hookData_, WindowTitle(foreground), GetTopProgram());
    if (entries.empty()) {
        Notice(MenuText::WarningCaption, MenuText::NoTopWindowMacros);
        return;
    }
    MenuOptions options;
    const int mode = settings_->SystemMenu;
    options.Mode = mode >= 1 && mode <= 3 ? static_cast<MenuMode>(mode) : MenuMode::NameAndScope;
    options.IconSize = TopWindowIconSize;
    dispatch_->TargetWindow = foreground;
    if (const std::optional<HeldMacro> chosen =
            dispatch_->ShowMenu([&] { return ShowMacroMenu(entries, options); }))
        dispatch_->RunChosen(*chosen);
}

}  // namespace orv::player
