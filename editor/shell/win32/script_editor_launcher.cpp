#include "editor/shell/win32/script_editor_launcher.h"

#include <memory>

#include "common/clock.h"
#include "common/hotkeys.h"
#include "common/schedule.h"
#include "common/win32/ras_api.h"
#include "common/win32/system_routines.h"
#include "editor/script/win32/script_editor.h"

namespace orv {
namespace {

// Everything the script editor asks of the shell, for one run.
struct ScriptEditorRun {
    ScriptEditorRun(EditorContext& context, MacroRecord& record, HookTable& table,
                    HookLibrary& hooks, ProgramNotices& notices)
        : commands{context.Settings, NicknamesOf(context), IsBrowser4OrLater(), {}},
          host{MacroDelivery{record, table, hooks, notices},
               context.Settings,
               context.Config,
               commands,
               context.Notices,
               context.ProgramDir,
               RasLoaded()} {
        host.DefaultTimer = [](MacroRecord& macro) { DefaultTimer(macro, CurrentClock().Now()); };
    }

    static std::function<std::vector<MacroNickname>()> NicknamesOf(EditorContext& context) {
        return [&context] {
            std::vector<MacroNickname> macros;
            for (int i = 1; i <= context.Table.MacroCount(); ++i)
                macros.push_back({context.Settings.Nickname[i].str(), context.Table.Entry(i).Kind});
            return macros;
        };
    }

    // Saved into record.
    bool Show(int actKind, bool existing, bool scopeLocked) {
        TDoScripting form(host);
        form.IsExisting = existing ? 1 : 0;
        form.ScopeLocked = scopeLocked ? 1 : 0;
        form.ActKind = actKind;
        form.ShowModal();
        return form.Saved == 1;
    }

    CommandContext commands;
    EditorHost host;
};

}  // namespace

int ActKindOf(const MacroRecord& record) {
    switch (record.ActivationCode) {
        case ActivationCode::Scheduled:
            return 2;
        case ActivationCode::Cueword:
            return 3;
        case ActivationCode::WindowTitle:
            return 7;
        case ActivationCode::None:
            return 6;
        default:
            return 1;
    }
}

bool ScopeLockedFor(const HookTable& table, int macroNumber, const MacroRecord& record) {
    if (!IsHotKeyCode(record.ActivationCode))
        return false;
    for (int i = 1; i <= table.MacroCount(); ++i) {
        MacroEntry entry = table.Entry(i);
        bool owning = entry.Kind == MacroKind::Global || entry.Kind == MacroKind::PopupMenu ||
                      entry.Kind == MacroKind::System;
        if (i != macroNumber && owning && entry.Activation == record.ActivationCode)
            return true;
    }
    return false;
}

void InstallScriptEditor(TMainWin& main, EditorContext& context) {
    main.Launchers().ScriptEditor = [&main, &context] {
        int n = main.SelectedMacro();
        if (n <= 0)
            return;
        main.ChangeUnderLock(n, [&](MacroRecord& record) {
            ScriptEditorRun run(context, record, context.Table, context.Hooks, context.Notices);
            return ChangeOutcome{
                run.Show(ActKindOf(record), true, ScopeLockedFor(context.Table, n, record))};
        });
    };
}

bool EditNewMacroScript(TMainWin& main, EditorContext& context, MacroRecord& record) {
    // The save fills the record only: the macro is counted once it is written.
    auto scratch = std::make_unique<HookTable>(context.Table);
    MemoryHookLibrary noHooks;
    NoNotices nobody;
    ScriptEditorRun run(context, record, *scratch, noHooks, nobody);
    if (!run.Show(ActKindOf(record), false, ScopeLockedFor(context.Table, 0, record)))
        return false;
    if (!main.Editing().AppendMacro(record))
        return false;
    main.FillList();
    main.SelectMacro(context.Table.MacroCount());
    main.SetHotKeys();
    return true;
}

}  // namespace orv
