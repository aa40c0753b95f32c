#include "editor/shell/system_keys.h"

#include "common/hotkeys.h"
#include "common/macro_record.h"

namespace orv::editor {

std::vector<KeyHolder> KeyHoldersOf(const HookTable& table) {
    std::vector<KeyHolder> holders;
    for (int n = 1; n <= table.EntryCount(); ++n) {
        const MacroEntry entry = table.Entry(n);
        holders.push_back({n, entry.Kind, entry.Activation, SystemMacroActionOf(entry.ScopeText)});
    }
    return holders;
}

SystemCommandKeys SystemKeysOf(std::span<const KeyHolder> macros) {
    SystemCommandKeys keys{};
    for (const KeyHolder& m : macros) {
        if (m.Kind == MacroKind::System && m.Action)
            keys[IndexOf(*m.Action)] = {m.Macro, m.Activation, m.Activation};
    }
    return keys;
}

std::optional<std::string> HotKeyTakenRefusal(std::span<const KeyHolder> macros, int code) {
    for (const KeyHolder& m : macros) {
        const bool holdsKeys = m.Kind == MacroKind::Global || m.Kind == MacroKind::PopupMenu ||
                               m.Kind == MacroKind::System;
        if (holdsKeys && m.Activation == code)
            return "The hot key \"" + KeyName(code) +
                   "\" is already in use by a macro.  If you wish to use this hot key "
                   "combination, you will first need to either remove or move the macro which "
                   "is assigned to it.";
    }
    return std::nullopt;
}

bool SharesAKey(const SystemCommandKeys& keys) {
    for (std::size_t i = 0; i < keys.size(); ++i)
        for (std::size_t j = i + 1; j < keys.size(); ++j)
            if (keys[i].Macro && keys[j].Macro && keys[i].Code == keys[j].Code)
                return true;
    return false;
}

std::vector<SystemCommandKey> ChangedSystemKeys(const SystemCommandKeys& keys) {
    std::vector<SystemCommandKey> changed;
    for (const SystemCommandKey& k : keys)
        if (k.Macro && k.Code != k.ShownCode)
            changed.push_back(k);
    return changed;
}

}  // namespace orv::editor
