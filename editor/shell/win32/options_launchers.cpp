#include "editor/shell/win32/options_launchers.h"

#include "editor/commands/win32/flow_dialogs.h"
#include "editor/shell/win32/options_dialogs.h"
#include "editor/shell/win32/remap_dialogs.h"

namespace orv::editor {
namespace {

void ShowRemapper(TMainWin& main, EditorContext& context) {
    // Refused while a recording runs: it holds the player's notice of another
    // library, so the remapper would take the old one's side file for the new
    // one's table.
    LibraryChange change = main.Roads().NewChange();
    if (!change.Begin())
        return;
    TDoSwapKeys dialog(context.Settings, context.Notices);
    dialog.ShowModal(main.Handle());
    if (dialog.Changed)
        change.Count();
}

void ShowTimerInterval(TMainWin& main, EditorContext& context) {
    CommandContext commands{context.Settings, {}};
    TDoDelay dialog(commands);
    dialog.DelayMode = 5;
    const SettingsBlock before = context.Settings;
    if (dialog.ShowModal(main.Handle()) != IDOK)
        return;
    if (SavedOrTakenBack(context.Settings, before, context.Config.WriteSchedulerSettings()))
        context.Notices.Post(NoticeCode::SchedulerSettingsChanged, 0);
}

}  // namespace

void ShowSystemKeys(TMainWin& main, EditorContext& context, int focusedField) {
    // The dialog knows the system macros by number until it is closed: the
    // player's reloads wait.
    LibraryChange change = main.Roads().NewChange();
    if (!change.Begin())
        return;
    TSystemKeys dialog(main, context, change);
    dialog.FocusedField = focusedField;
    dialog.ShowModal(main.Handle());
}

void InstallOptionsDialogs(TMainWin& main, EditorContext& context) {
    EditorLaunchers& launchers = main.Launchers();
    launchers.Preferences = [&main, &context] {
        TPreference dialog(context.Settings, context.Config, context.Notices);
        dialog.ShowModal(main.Handle());
    };
    launchers.Appearance = [&main, &context] {
        TDoAppear dialog(context.Settings, context.Config, context.Notices,
                         [&main](bool switched) { main.ApplyAppearance(switched); });
        dialog.ShowModal(main.Handle());
    };
    launchers.CuewordOptions = [&main, &context] {
        TCuewordOptions dialog(context.Settings, context.Config, context.Notices);
        dialog.ShowModal(main.Handle());
    };
    launchers.Remap = [&main, &context] { ShowRemapper(main, context); };
    launchers.TimerInterval = [&main, &context] { ShowTimerInterval(main, context); };
}

}  // namespace orv::editor
