#include "editor/script/edited_macro.h"

#include <array>
#include <cstdint>

namespace orv::editor {

void PrepareMacroForEditing(EditorHost& host, bool existing, ActivationKind actKind) {
    MacroRecord& macro = host.Macro();
    const auto caseSetting = static_cast<std::int16_t>(host.Settings.CaseSensitive);
    const std::int16_t removeSetting = host.Settings.NoRemove ? 2 : 1;
    if (existing) {
        if (macro.CuewordCase < 1 || macro.CuewordCase > 3)
            macro.CuewordCase = caseSetting;
        if (macro.CuewordRemove != 1 && macro.CuewordRemove != 2)
            macro.CuewordRemove = removeSetting;
        return;
    }
    if (actKind != ActivationKind::WindowTitle)
        macro.ScopeText = "";
    macro.ScopeMatch = 1;
    if (host.DefaultTimer)
        host.DefaultTimer(macro);
    macro.CuewordCase = caseSetting;
    macro.CuewordRemove = removeSetting;
}

std::string EditedState(const ScriptEditorFields& fields, const std::vector<std::string>& script,
                        const MacroRecord& macro) {
    // The record's stored bytes lead at a fixed size; after them a NUL stands
    // in no field, so no two different values join the same.
    std::array<std::uint8_t, MacroRecord::Size> record{};
    macro.Encode(record);
    std::string state(record.begin(), record.end());
    state += fields.NickName + '\0' + fields.CuewordName + '\0' + fields.IconChoice + '\0' +
             std::to_string(static_cast<int>(fields.Scope));
    for (const std::string& part : script) state += '\0' + part;
    return state;
}

}  // namespace orv::editor
