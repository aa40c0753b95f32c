#include "common/macro_texts.h"

#include <iterator>

#include "common/hotkeys.h"

namespace orv {

namespace {

// How a window's or program's scope text is set out: bare, after "Window: "
// or "Program: " in place of the label, or followed by the kind in quotes.
enum class ScopedForm { Bare, Labelled, Quoted };

struct Wording {
    std::string_view Label;  // before every text but a labelled one
    std::string_view PopupMenu;
    bool NamesSystem;    // else a system macro shows its scope text
    bool NoKindIsEmpty;  // else a kind of none is worded as a program's
    ScopedForm Form;
    std::string_view TopMost, AnyWindow;  // after a window's or program's text
};

// In the order of ScopeWording.
constexpr Wording Wordings[] = {
    // Menu
    {"", "Popup Menu", false, false, ScopedForm::Bare, "", ""},
    // PickList
    {"", "POPUP MENU", false, false, ScopedForm::Bare, "", ""},
    // MacroList
    {"", "Popup Menu", true, true, ScopedForm::Labelled, "", ""},
    // Print
    {"", "Popup Menu", true, true, ScopedForm::Labelled, " (Top Most Only)", " (If Running)"},
    // Listing
    {"Scope: ", "Popup Menu", true, false, ScopedForm::Labelled, ", Top Most Only", ", If Active"},
    // QuickInfo
    {"", "Popup Menu", true, false, ScopedForm::Quoted, " (Top Most Only)", " (If Running)"},
    // MenuQuickInfo
    {"Scope: ", "Popup Menu", true, false, ScopedForm::Quoted, " (Top Most Only)", " (If Active)"},
};
static_assert(std::size(Wordings) == static_cast<std::size_t>(ScopeWording::MenuQuickInfo) + 1);

std::string Scoped(const Wording& w, bool window, std::string_view text, bool topMostOnly) {
    std::string scoped(w.Form == ScopedForm::Labelled ? (window ? "Window: " : "Program: ")
                                                      : w.Label);
    scoped += text;
    if (w.Form == ScopedForm::Quoted)
        scoped += window ? " \"Window\"" : " \"Program\"";
    scoped += topMostOnly ? w.TopMost : w.AnyWindow;
    return scoped;
}

}  // namespace

std::string ActivationText(std::uint16_t code, std::string_view cueword, ActivationStyle style) {
    switch (code) {
        case ActivationCode::None:
            return "None";
        case ActivationCode::WindowTitle:
            return "Window Title";
        case ActivationCode::Scheduled:
            return "Timed Macro";
        case ActivationCode::Cueword:
            return (style == ActivationStyle::PickList ? "" : "Cueword: ") + std::string(cueword);
        default:
            if (!IsHotKeyCode(code))
                return "";
            return (style == ActivationStyle::Listing ? "Hot Key: " : "") + KeyName(code);
    }
}

std::string ActivationText(const MacroRecord& record, ActivationStyle style) {
    return ActivationText(record.ActivationCode, record.CuewordText.str(), style);
}

std::string ScopeText(std::int16_t kind, std::string_view scopeText, ScopeWording wording,
                      bool topMostOnly) {
    const Wording& w = Wordings[static_cast<std::size_t>(wording)];
    switch (kind) {
        case MacroKind::Global:
            return std::string(w.Label) + "GLOBAL";
        case MacroKind::PopupMenu:
            return std::string(w.Label) + std::string(w.PopupMenu);
        case MacroKind::System:
            if (w.NamesSystem)
                return std::string(w.Label) + "SYSTEM";
            break;
        case MacroKind::Window:
        case MacroKind::Program:
            break;
        default:
            if (w.NoKindIsEmpty)
                return "";
            break;
    }
    return Scoped(w, kind == MacroKind::Window, scopeText, topMostOnly);
}

std::string ScopeText(const MacroRecord& record, ScopeWording wording) {
    return ScopeText(record.MacroKind, record.ScopeText.str(), wording, record.ScopeMatch == 1);
}

}  // namespace orv
