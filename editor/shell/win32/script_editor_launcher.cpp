#include "editor/shell/win32/script_editor_launcher.h"

#include <memory>

#include "common/clock.h"
#include "common/schedule.h"
#include "common/win32/ras_api.h"
#include "common/win32/system_routines.h"
#include "editor/script/win32/palette.h"
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
        form.Palette = OpenPalette;
        form.ShowModal();
        return form.Saved == 1;
    }

    CommandContext commands;
    EditorHost host;
};

}  // namespace

void EditScript(EditorContext& context, MacroHandOver& handOver) {
    const bool scopeLocked = handOver.ScopeLocked || handOver.SharedKey;
    if (handOver.IsExisting) {
        ScriptEditorRun run(context, handOver.Record, context.Table, context.Hooks,
                            context.Notices);
        handOver.Saved = run.Show(handOver.ActKind, true, scopeLocked);
        return;
    }
    // The save of a new macro counts it in the table it is given: a scratch
    // one, as the caller's append counts it.
    auto scratch = std::make_unique<HookTable>(context.Table);
    MemoryHookLibrary noHooks;
    NoNotices nobody;
    ScriptEditorRun run(context, handOver.Record, *scratch, noHooks, nobody);
    handOver.Saved = run.Show(handOver.ActKind, false, scopeLocked);
}

void InstallScriptEditor(TMainWin& main, EditorContext& context) {
    main.Launchers().OpenScriptEditor = [&context](MacroHandOver& handOver) {
        EditScript(context, handOver);
    };
}

}  // namespace orv
