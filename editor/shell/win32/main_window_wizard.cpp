// The quick wizard from the main window: the checks before it opens, the
// main window as its host, and the new macro's saving under the network lock.
#include <algorithm>

#include "common/clock.h"
#include "common/hook_library.h"
#include "common/message_boxes.h"
#include "common/notices.h"
#include "common/string_routines.h"
#include "editor/commands/command_context.h"
#include "editor/shell/win32/editor_command_context.h"
#include "editor/commands/win32/system_file_checks.h"
#include "editor/shell/macro_list.h"
#include "editor/shell/win32/main_window.h"
#include "editor/wizard/win32/quick_wiz.h"
#include "editor/wizard/wizard_checks.h"
#include "editor/wizard/wizard_kinds.h"

namespace orv::editor {
namespace {

constexpr const char* TooManyMacrosMessage =
    "Maximum number of hot keys has been reached.  A macro cannot be added.";

// The wizard's view of the editor: the open library and settings, and the
// hook library through the main window's tables.
class MainWindowWizardHost final : public WizardHost {
  public:
    MainWindowWizardHost(EditorContext& context, HWND mainWindow)
        : context_(context), mainWindow_(mainWindow) {}

    WizardEnv Env() override {
        WizardEnv env;
        env.Now = [] { return CurrentClock().Now(); };
        env.ShortFile = [](const std::string& path) { return TheFileChecks().ExistingFile(path); };
        env.FolderExists = [](const std::string& path) {
            return TheFileChecks().ExistingFolder(path).has_value();
        };
        env.Settings = context_.Settings;
        for (const ListMacro& m : ListMacrosOf(context_.Settings, context_.Table))
            env.Library.push_back(
                {m.Number, m.Nickname, m.Kind, m.Activation, m.ScopeText, m.CuewordText});
        env.ProgramDir = context_.ProgramDir;
        env.ReadMacro = [this](int number) -> std::optional<MacroRecord> {
            MacroRecord record;
            if (!context_.Library.ReadMacroRecord(number, record))
                return std::nullopt;
            return record;
        };
        return env;
    }
    void SetBypass(bool bypass) override { context_.Settings.BypassWizardScreen = bypass; }
    void SetSecWind(HWND window, bool on) override {
        orv::SetSecWind(context_.Table, context_.Hooks, context_.Notices, WindowNumber(window), on);
    }
    void SetCapWind(HWND window, bool on) override {
        orv::SetCapWind(context_.Table, context_.Hooks, context_.Notices, WindowNumber(window), on);
    }
    void UpCapture(const CapturePlan& plan) override {
        ApplyCapturePlan(plan, context_.Table);
        context_.Hooks.HandOver(HookSection::Capture, context_.Table);
    }
    void UpCaptureOn(bool on) override {
        context_.Table.SetCaptureRunning(on);
        context_.Hooks.HandOver(HookSection::CaptureOn, context_.Table);
    }
    void ShowEditor(bool shown) override { ShowWindow(mainWindow_, shown ? SW_SHOW : SW_HIDE); }
    bool Keep(FinishOutcome& outcome) override { return !OnFinish || OnFinish(outcome); }

    std::function<bool(FinishOutcome&)> OnFinish;

  private:
    // Window handles cross the hook library's block as 32-bit numbers.
    static std::uint32_t WindowNumber(HWND window) {
        return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(window));
    }
    EditorContext& context_;
    HWND mainWindow_;
};

// The new macro of what the wizard finished with, for its kinds that make one.
MacroRecord* NewMacroOf(FinishOutcome& outcome) {
    if (auto* made = std::get_if<MacroOutcome>(&outcome))
        return &made->Record;
    if (auto* capture = std::get_if<CaptureOutcome>(&outcome))
        return &capture->Record;
    return nullptr;
}

}  // namespace

std::optional<FinishOutcome> TMainWin::RunQuickWiz(
    int kind, const std::function<bool(FinishOutcome&)>& keep) {
    // The Start Menu is scanned once per run of the editor.
    static WizardPlatform platform;
    MainWindowWizardHost host(context_, Handle());
    host.OnFinish = keep;
    // The single-command kind's dialogs see the editor as the script editor's do.
    CommandContext commands = EditorCommandContext(*this, context_);
    TQuickWiz wiz(host, platform, commands, kind);
    wiz.ShowModal(Handle());
    return std::move(wiz.Outcome);
}

void TMainWin::DoQuickWiz(int kind) {
    // The settings kind has no button of its own: the first-time setup runs it.
    if (kind == WizardKind::FirstTime) {
        DoFirstTime();
        return;
    }
    if (kind == WizardKind::DialUp && !DialUpAvailable()) {
        RasMissingMessage();
        return;
    }
    if (context_.Table.EntryCount() >= HookMacroEntries) {
        CurrentMessageBoxes().Show("Error", TooManyMacrosMessage, MsgStyle::Ok);
        return;
    }
    // The wizard's lists show the library as it was when it opened, and its
    // macro goes there: the player's reloads wait until it is appended, and
    // a menu chosen then is joined only if none came.
    LibraryChange change = roads_.NewChange();
    if (!change.Begin())
        return;
    // Appended at Finish: a file busy for a while keeps the wizard on its
    // last panel with the user's answers.
    // The menu to join, held at Finish as the wizard listed it: the append
    // may reload the list.
    HeldMacro menu;
    bool menuAsListed = false;
    std::optional<FinishOutcome> outcome = RunQuickWiz(kind, [&](FinishOutcome& finished) {
        if (auto* made = std::get_if<MacroOutcome>(&finished); made && made->AddToMenu > 0)
            menuAsListed = roads_.HoldsAsListed(made->AddToMenu, menu) &&
                           menu.AsRead.MacroKind == MacroKind::PopupMenu;
        MacroRecord* record = NewMacroOf(finished);
        return !record || !MayLandLater(AppendMacro(change, *record));
    });
    if (!change.Changed())
        return;
    const int number = context_.Table.EntryCount();
    FillList();
    SelectMacro(number);
    SetHotKeys();
    if (auto* capture = std::get_if<CaptureOutcome>(&*outcome)) {
        // The recording ends in the macro appended; it keeps the lock until
        // that end, and the lock is released here when it does not start.
        capture->Plan.MacroNumber = number;
        if (launchers_.RecordPlanned(capture->Plan))
            change.KeepLock();
        return;
    }
    auto& made = std::get<MacroOutcome>(*outcome);
    if (made.AddToMenu > 0 && (roads_.Waiting() || !menuAsListed))
        CurrentMessageBoxes().Show("Notice", MenuMovedMessage, MsgStyle::Ok);
    else if (made.AddToMenu > 0)
        JoinPopupMenu(change, menu, number);
    FillList();
    SelectMacro(number);
    if (made.Record.ActivationCode == ActivationCode::Scheduled)
        change.Tell(NoticeCode::SchedulesChanged);
    if (made.TrayMenu)
        change.Tell(NoticeCode::PopupMenusChanged);
}

// Written through the change only where the file still has the menu as held.
void TMainWin::JoinPopupMenu(LibraryChange& change, HeldMacro& menu, int number) {
    MacroRecord record = menu.AsRead;
    std::vector<int> members = record.PopupMembers();
    if (static_cast<int>(members.size()) >= MaxMenuMembers) {
        // Filled since the wizard looked: the macro is kept, outside the menu.
        CurrentMessageBoxes().Show("Notice", FullMenuMessage(TrimStr(record.Nickname.str())),
                                   MsgStyle::Ok);
        return;
    }
    members.push_back(number);
    record.SetPopupMembers(members);
    // A menu that cannot be written is said; the new macro is kept, outside
    // the menu.
    static_cast<void>(change.SaveOver(menu, record));
}

}  // namespace orv::editor
