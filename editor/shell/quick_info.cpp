#include "editor/shell/quick_info.h"

#include <cmath>

#include "common/hotkeys.h"
#include "common/macro_texts.h"
#include "editor/shell/schedule_text.h"

namespace orv::editor {

namespace {

void SetActivation(const MacroRecord& m, QuickInfoTexts& info) {
    switch (m.ActivationCode) {
        case ActivationCode::None:
            info.ActivationCaption = "None";
            break;
        case ActivationCode::WindowTitle:
            info.ActivationCaption = "Window Title:";
            info.ActivationValue = m.ScopeText.str();
            break;
        case ActivationCode::Scheduled:
            info.ActivationCaption = "Timed Macro:";
            info.ActivationValue = GetSched(m);
            break;
        case ActivationCode::Cueword:
            info.ActivationCaption = "Cueword:";
            info.ActivationValue = m.CuewordText.str();
            break;
        default:
            info.ActivationCaption = "Hot Key:";
            info.ActivationValue = IsHotKeyCode(m.ActivationCode) ? KeyName(m.ActivationCode) : "";
    }
}

// Day numbers of 0001-01-01 and 9999-12-31: beyond them (or NaN) a stored
// value is no date and cannot be taken apart.
constexpr DateTime FirstDate = -693593, LastDateEnd = 2958466;

}  // namespace

QuickInfoTexts QuickInfoOf(const MacroRecord& m) {
    QuickInfoTexts info;
    SetActivation(m, info);
    info.Nickname = m.Nickname.str();
    info.Scope = ScopeText(m, ScopeWording::QuickInfo);
    info.Active = m.Enabled ? "Yes" : "No";
    info.ShowScript = m.MacroKind != MacroKind::PopupMenu && m.MacroKind != MacroKind::System;
    if (info.ShowScript)
        info.Script = m.ScriptText();
    return info;
}

std::string LastModifiedText(DateTime changed,
                             const std::function<std::string(const DateTimeParts&)>& format) {
    const std::string lead = "Last Modified On ";
    if (!std::isfinite(changed) || changed < FirstDate || changed >= LastDateEnd)
        return lead + "(unknown)";
    return lead + format(DecodeDateTime(changed));
}

}  // namespace orv::editor
