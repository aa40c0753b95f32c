#include "editor/shell/macro_actions.h"

#include "common/hotkeys.h"
#include "common/macro_record.h"

namespace orv::editor {

void MacroActions::SetButtons(bool on, bool listEmpty) {
    bool open = on && !listEmpty;
    Remove = Copy = ChangeActivation = Activate = open;
    ModifyDirectly = Recapture = Script = OnDesktop = AddToCategory = open;
    if (!open)
        QuickInfo = false;
}

void MacroActions::CheckTimeItem(const ListMacro& macro) {
    bool popup = macro.Kind == MacroKind::PopupMenu;
    ModifyCaption = popup ? "Mo&dify Popup Menu" : "Modify &Directly";
    ModifyHint = popup ? "Modify Macro Popup Menu" : "Modify Macro Directly";
    if (macro.Kind == MacroKind::System) {
        Copy = ModifyDirectly = Remove = Activate = Recapture = Script = false;
        return;
    }
    Copy = ModifyDirectly = Remove = Activate = true;
    // A menu's record holds its members where a recording would go.
    Recapture =
        !popup && (IsHotKeyCode(macro.Activation) || macro.Activation == ActivationCode::Cueword);
    Script = !popup;
}

void MacroActions::ShowEnabledState(bool enabled) {
    ActivateCaption = enabled ? "Deacti&vate Macro" : "Acti&vate Macro";
    ActivateHint = enabled ? "Deactivate Macro" : "Activate Macro";
}

}  // namespace orv::editor
