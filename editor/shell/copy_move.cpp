#include "editor/shell/copy_move.h"

#include <algorithm>

#include "common/hotkeys.h"
#include "common/string_routines.h"
#include "editor/shell/option_checks.h"

namespace orv::editor {
namespace {

bool HoldsKeyForOthers(const KeyHolder& m, int code) {
    return (m.Kind == MacroKind::Global || m.Kind == MacroKind::PopupMenu) && m.Activation == code;
}

}  // namespace

std::optional<ActivationRefusal> CheckActivationChoice(const ActivationChoice& choice,
                                                       std::int16_t macroKind,
                                                       std::span<const KeyHolder> macros,
                                                       bool changeMode) {
    const std::string text = TrimStr(choice.Text);
    switch (choice.Kind) {
        case NewActivation::Cueword:
            // A menu keeps its option characters where a Cueword would go.
            if (macroKind == MacroKind::PopupMenu)
                return ActivationRefusal{MenuCuewordRefusal, true};
            if (text.empty())
                return ActivationRefusal{"No Cueword name was entered.", true};
            if (!std::all_of(text.begin(), text.end(), IsCuewordChar))
                return ActivationRefusal{
                    "The Cueword name has invalid characters in it.  Valid characters are A - Z, "
                    "a - z, 0 - 9 and ' ! @ # $ % ^ & _ = < > ? . ; , * - / +",
                    true};
            return std::nullopt;
        case NewActivation::WindowTitle:
            if (text.empty())
                return ActivationRefusal{"No Window Title was entered.", true};
            return std::nullopt;
        case NewActivation::HotKey: {
            if (!IsHotKeyCode(choice.Code))
                return ActivationRefusal{"No hot key selected.  Please select one.", false};
            const bool sharing =
                macroKind == MacroKind::Global || macroKind == MacroKind::PopupMenu;
            if (sharing && std::any_of(macros.begin(), macros.end(), [&](const KeyHolder& m) {
                    return HoldsKeyForOthers(m, choice.Code);
                }))
                return ActivationRefusal{
                    std::string("A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this "
                                "selection. The ") +
                        (changeMode ? "\"MOVE\"" : "\"COPY\"") + " did not take place.",
                    false};
            return std::nullopt;
        }
        case NewActivation::Timed:
        case NewActivation::None:
            break;
    }
    return std::nullopt;
}

void StoreActivationChoice(const ActivationChoice& choice, MacroRecord& record) {
    const std::string text = TrimStr(choice.Text);
    switch (choice.Kind) {
        case NewActivation::Cueword:
            record.ActivationCode = ActivationCode::Cueword;
            record.CuewordText = text;
            break;
        case NewActivation::WindowTitle:
            record.ActivationCode = ActivationCode::WindowTitle;
            record.ScopeText = text;
            break;
        case NewActivation::HotKey:
            record.ActivationCode = static_cast<std::uint16_t>(choice.Code);
            break;
        case NewActivation::None:
            record.ActivationCode = ActivationCode::None;
            break;
        case NewActivation::Timed:
            record.ActivationCode = ActivationCode::Scheduled;
            break;
    }
}

}  // namespace orv::editor
