#include "editor/shell/win32/script_editor_launcher.h"

#include <memory>

#include "common/clock.h"
#include "common/schedule.h"
#include "editor/script/win32/palette.h"
#include "editor/script/win32/script_editor.h"
#include "editor/shell/win32/activation_dialogs.h"
#include "editor/shell/win32/editor_command_context.h"

namespace orv::editor {
namespace {

std::optional<ScopeSelection> SelectScope(const std::string& name, std::uint8_t match,
                                          bool programMode) {
    MacroRecord scope;
    scope.ScopeText = name;
    scope.ScopeMatch = match;
    if (!EditScope(programMode ? 0 : 1, scope))
        return std::nullopt;
    return ScopeSelection{scope.ScopeText.str(), scope.ScopeMatch};
}

// Everything a script editor asks of the shell, for one run.
struct ScriptEditorRun {
    ScriptEditorRun(TMainWin& main, EditorContext& context, MacroRecord& record, HookTable& table,
                    HookLibrary& hooks, ProgramNotices& notices)
        : commands{EditorCommandContext(main, context)},
          host{MacroDelivery{record, table, hooks, notices},
               context.Settings,
               context.Config,
               commands,
               context.Notices,
               context.ProgramDir,
               commands.RasLoaded} {
        host.DefaultTimer = [](MacroRecord& macro) { DefaultTimer(macro, CurrentClock().Now()); };
        host.SelectScope = SelectScope;
        host.EditSchedule = [](MacroRecord& macro) { EditSchedule(macro); };
        host.EditCuewordOptions = [](MacroRecord& macro) { EditCuewordOptions(macro); };
    }

    CommandContext commands;
    EditorHost host;
};

// The script editor with its command palette behind "Wizard".
bool ShowScriptEditor(EditorHost& host, ActivationKind actKind, bool existing, bool scopeLocked) {
    TDoScripting form(host);
    form.Palette = OpenPalette;
    return ShowEditorOn(form, actKind, existing, scopeLocked);
}

}  // namespace

void EditOnHandOver(TMainWin& main, EditorContext& context, MacroHandOver& handOver,
                    const ShowEditor& show) {
    const bool scopeLocked = handOver.ScopeLocked || handOver.SharedKey;
    if (handOver.IsExisting) {
        ScriptEditorRun run(main, context, handOver.Record, context.Table, context.Hooks,
                            context.Notices);
        handOver.Saved = show(run.host, handOver.ActKind, true, scopeLocked);
        return;
    }
    // The save of a new macro counts it in the table it is given: a scratch
    // one, as the caller's append counts it.
    auto scratch = std::make_unique<HookTable>(context.Table);
    MemoryHookLibrary noHooks;
    NoNotices nobody;
    ScriptEditorRun run(main, context, handOver.Record, *scratch, noHooks, nobody);
    handOver.Saved = show(run.host, handOver.ActKind, false, scopeLocked);
}

void EditScript(TMainWin& main, EditorContext& context, MacroHandOver& handOver) {
    EditOnHandOver(main, context, handOver, ShowScriptEditor);
}

void InstallScriptEditor(TMainWin& main, EditorContext& context) {
    main.Launchers().OpenScriptEditor = [&main, &context](MacroHandOver& handOver) {
        EditScript(main, context, handOver);
    };
}

}  // namespace orv::editor
