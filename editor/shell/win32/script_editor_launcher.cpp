#include "editor/shell/win32/script_editor_launcher.h"

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
    ScriptEditorRun(TMainWin& main, EditorContext& context, MacroRecord& record)
        : commands{EditorCommandContext(main, context)},
          host{record,          context.Settings,   context.Config,    commands,
               context.Notices, context.ProgramDir, commands.RasLoaded} {
        host.DefaultTimer = [](MacroRecord& macro) { DefaultTimer(macro, CurrentClock().Now()); };
        host.SelectScope = SelectScope;
        host.EditSchedule = [](MacroRecord& macro) { EditSchedule(macro); };
        host.EditCuewordOptions = [](MacroRecord& macro) { EditCuewordOptions(macro); };
    }

    CommandContext commands;
    EditorHost host;
};

// The script editor with its command palette behind "Wizard".
bool ShowScriptEditor(EditorHost& host, const MacroHandOver& handOver) {
    TDoScripting form(host);
    form.Palette = OpenPalette;
    return ShowEditorOn(form, handOver);
}

}  // namespace

void EditOnHandOver(TMainWin& main, EditorContext& context, MacroHandOver& handOver,
                    const ShowEditor& show) {
    // A new macro is counted by the caller's append, once it is written.
    ScriptEditorRun run(main, context, handOver.Record);
    handOver.Saved = show(run.host, handOver);
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
