// What both script editors do to the record they are given before showing it.
#pragma once

#include <string>
#include <vector>

#include "common/activation_kind.h"
#include "editor/script/editor_host.h"

namespace orv::editor {

// A window-title activation shows whole in both editors: the record's room.
inline constexpr int WindowTitleLength =
    static_cast<int>(decltype(MacroRecord::ScopeText)::capacity);

// An existing macro keeps its Cueword options, mended to the settings' where
// they are out of range; a new one starts global (its scope kept only for a
// window-title macro), with the default schedule and the settings' Cueword
// options.
void PrepareMacroForEditing(EditorHost& host, bool existing, ActivationKind actKind);

// What the user has made of the macro in either editor, as one value: the
// fields, the script's text or lines, and the record as its dialogs (window or
// program, schedule, Cueword options) left it. Two differ when anything changed.
std::string EditedState(const ScriptEditorFields& fields, const std::vector<std::string>& script,
                        const MacroRecord& macro);

}  // namespace orv::editor
