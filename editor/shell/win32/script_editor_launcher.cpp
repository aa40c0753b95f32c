#include "editor/shell/win32/script_editor_launcher.h"

#include <memory>

#include "common/clock.h"
#include "common/schedule.h"
#include "common/win32/ras_api.h"
#include "common/win32/system_routines.h"
#include "editor/script/win32/script_editor.h"
#include "editor/shell/win32/activation_dialogs.h"

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
        host.SelectScope = [](const std::string& name, std::uint8_t match,
                              bool programMode) -> std::optional<ScopeSelection> {
            MacroRecord chosen;
            chosen.ScopeText = name;
            chosen.ScopeMatch = match;
            if (!EditScope(programMode ? 0 : 1, chosen))
                return std::nullopt;
            return ScopeSelection{chosen.ScopeText.str(), chosen.ScopeMatch};
        };
        host.EditSchedule = [](MacroRecord& macro) { EditSchedule(macro); };
        host.EditCuewordOptions = [](MacroRecord& macro) { EditCuewordOptions(macro); };
    }

    static std::function<std::vector<MacroNickname>()> NicknamesOf(EditorContext& context) {
        return [&context] {
            std::vector<MacroNickname> macros;
            for (int i = 1; i <= context.Table.MacroCount(); ++i)
                macros.push_back({context.Settings.Nickname[i].str(), context.Table.Entry(i).Kind});
            return macros;
        };
    }

    CommandContext commands;
    EditorHost host;
};

}  // namespace

void EditOnHandOver(EditorContext& context, MacroHandOver& handOver, const ShowEditor& show) {
    const bool scopeLocked = handOver.ScopeLocked || handOver.SharedKey;
    if (handOver.IsExisting) {
        ScriptEditorRun run(context, handOver.Record, context.Table, context.Hooks,
                            context.Notices);
        handOver.Saved = show(run.host, handOver.ActKind, true, scopeLocked);
        return;
    }
    // The save of a new macro counts it in the table it is given: a scratch
    // one, as the caller's append counts it.
    auto scratch = std::make_unique<HookTable>(context.Table);
    MemoryHookLibrary noHooks;
    NoNotices nobody;
    ScriptEditorRun run(context, handOver.Record, *scratch, noHooks, nobody);
    handOver.Saved = show(run.host, handOver.ActKind, false, scopeLocked);
}

void EditScript(EditorContext& context, MacroHandOver& handOver) {
    EditOnHandOver(context, handOver, ShowEditorForm<TDoScripting>);
}

void InstallScriptEditor(TMainWin& main, EditorContext& context) {
    main.Launchers().OpenScriptEditor = [&context](MacroHandOver& handOver) {
        EditScript(context, handOver);
    };
}

}  // namespace orv
