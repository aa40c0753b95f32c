#include "player/run_dispatch.h"

#include <algorithm>
#include <vector>

#include "common/hotkeys.h"
#include "common/shared_routines.h"
#include "common/string_routines.h"
#include "player/pause_layout.h"
#include "player/run_state.h"

namespace orv::player {

namespace {

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

std::string RefusalMessage::NoMacroNamed(std::string_view nickname) {
    return "No macro in the macro file has the nickname \"" + std::string(nickname) +
           "\".  Nothing was run.";
}

bool RunDispatch::Busy() {
    return starting_ || interpreter_.Play().State().Running || table_.MacroPlaying();
}

bool RunDispatch::Capturing() const {
    return table_.CaptureRunning() || CaptureDialogShown;
}

bool RunDispatch::CanStartRun(RunRequest request) {
    // A paused run is still running: the user is told why nothing starts.
    const char* refusal = paused_       ? RefusalMessage::Paused
                          : Busy()      ? nullptr
                          : MenuShown   ? RefusalMessage::MenuShown
                          : Capturing() ? RefusalMessage::Recording
                                        : nullptr;
    if (refusal && request == RunRequest::User)
        desk_.Notice(RefusalMessage::Caption, refusal);
    return !refusal && !Busy();
}

bool RunDispatch::WhileStarting(const std::function<bool()>& step) {
    const RaisedFlag starting(starting_);
    return step();
}

bool RunDispatch::Play(int n, const MacroRecord& record, std::string_view script,
                       RunOrigin origin) {
    // A menu's record holds its members, a system macro's nothing to play:
    // started by name at start-up, neither types its bytes.
    if (interpreter_.Play().State().Running || record.MacroKind == MacroKind::PopupMenu ||
        record.MacroKind == MacroKind::System)
        return false;
    CurrentMacro = n;
    running_ = {record.Nickname.str(), record.ActivationCode};
    // The macro's text lands between what was typed before it and what is
    // typed after; typing the hook library reports during a run that has no
    // in-use byte is interleaved with it.
    desk_.ForgetTyping();
    interpreter_.RunMacro(script, origin);
    desk_.ForgetTyping();
    return true;
}

void RunDispatch::HotKeyPressed(std::uint32_t message, std::uint32_t window) {
    // The run takes Caps Lock as it is when it starts.
    const bool capsLock = (message & CapsLockBit) != 0;
    const int code = static_cast<int>(message & ~CapsLockBit);
    // "Terminate Orvane" ends the player whatever runs or waits: the close
    // aborts the run first.
    if (orv::TerminatesPlayer(table_.Bytes, code)) {
        desk_.SystemAction(SystemMacroAction::TerminatePlayer);
        return;
    }
    // The only key a paused run acts on: the one that resumes it.
    if (paused_) {
        ResumeOrRefuse(code, capsLock);
        return;
    }
    // A key that arrives while a macro plays (the run pumps messages) must
    // neither start a second run nor disturb the state of the first.
    if (!CanStartRun())
        return;
    // A menu opened by a key or a nickname opens centred.
    TrayMenuX = -1;
    TargetWindow = window;
    // The key itself is looked up in the fresh tables: pressed again, it
    // would read as the auto-repeat of a key the user still holds.
    desk_.ReloadIfChanged();
    if (RunSystemMacro(code))
        return;
    RunHotKeyMacro(code);
}

void RunDispatch::ListedMacroChosen(int n, std::uint32_t window) {
    if (paused_) {
        desk_.Notice(RefusalMessage::Caption, RefusalMessage::Paused);
        return;
    }
    if (!CanStartRun())
        return;
    TargetWindow = window;
    RunRecord(n, false);
}

void RunDispatch::ResumeOrRefuse(int code, bool capsLock) {
    if (!ResumesPause(table_, PausedMacro{running_.Activation}, static_cast<std::uint16_t>(code))) {
        desk_.Notice(RefusalMessage::Caption, RefusalMessage::Paused);
        return;
    }
    // The hook library switched Caps Lock off for the key; the run types on
    // as it did before the pause.
    if (capsLock) {
        interpreter_.Play().PostVKey(VKey::Capital, false);
        interpreter_.Play().PostVKey(VKey::Capital, true);
    }
    desk_.ResumePause();
}

void RunDispatch::PauseShown() {
    paused_ = true;
    inUseBeforePause_ = table_.U8(HookAt::MacroPlaying);
    shared_.SetMacroInUse(false);
}

void RunDispatch::PauseClosed() {
    paused_ = false;
    // A run without the in-use byte (scheduled, at start-up) must not be left
    // with it: the hook library would report no hot key any more. A
    // Cueword's text holds the user's keys again for its rest.
    if (inUseBeforePause_ == HookAt::PlayingHoldsTyping)
        shared_.SetMacroInUseHoldingTyping();
    else
        shared_.SetMacroInUse(inUseBeforePause_ != 0);
}

MacroChoice ChooseMacro(const HookTable& table, int code, const FrontWindow& front) {
    const std::string title = UpperAscii(front.Title);
    const std::string program = UpperAscii(front.Program);
    const bool scopesInFront = front.Window != 0 && !Contains(title, "PAUSE (");
    MacroChoice choice;
    for (int i = 1; i <= table.EntryCount(); ++i) {
        const MacroEntry entry = table.Entry(i);
        if (entry.Activation != code || !entry.Enabled)
            continue;
        const std::int16_t kind = entry.Kind;
        if (kind == MacroKind::Global || kind == MacroKind::PopupMenu ||
            kind == MacroKind::System) {
            choice.Global = i;
            continue;
        }
        if (kind != MacroKind::Window && kind != MacroKind::Program)
            continue;
        const std::string scope = UpperAscii(entry.ScopeText);
        if (!choice.InFront && scopesInFront &&
            Contains(kind == MacroKind::Window ? title : program, scope))
            choice.InFront = i;
        // Scope match 0: "if running", brought forward wherever it is.
        if (entry.ScopeMatch == 0)
            choice.Elsewhere.push_back(i);
    }
    return choice;
}

FrontWindow RunDispatch::Front() {
    FrontWindow front{desk_.ForegroundWindow(), {}, {}};
    if (front.Window) {
        front.Title = desk_.WindowTitle(front.Window);
        front.Program = desk_.GetTopProgram();
    }
    return front;
}

bool RunDispatch::BringForward(const MacroEntry& scope) {
    const std::string name = UpperAscii(scope.ScopeText);
    return scope.Kind == MacroKind::Window ? desk_.ActivateWindow(name)
                                           : desk_.ActivateProgram(name);
}

void RunDispatch::RunHotKeyMacro(int code) {
    const FrontWindow front = Front();
    const MacroChoice choice = ChooseMacro(table_, code, front);
    if (choice.InFront) {
        TargetWindow = front.Window;
        RunRecord(choice.InFront, false);
        return;
    }
    for (int n : choice.Elsewhere) {
        if (BringForward(table_.Entry(n))) {
            RunRecord(n, false);
            return;
        }
    }
    RunRecord(choice.Global, false);
}

int RunDispatch::SystemMacroOn(int code) const {
    for (int i = 1; i <= table_.EntryCount(); ++i) {
        const MacroEntry entry = table_.Entry(i);
        if (entry.Kind == MacroKind::System && entry.Activation == code && entry.Enabled)
            return i;
    }
    return 0;
}

bool RunDispatch::RunSystemMacro(int code) {
    const int n = SystemMacroOn(code);
    if (!n)
        return false;
    // Resume means something only during a pause.
    const std::optional<SystemMacroAction> action = SystemMacroActionOf(table_.Entry(n).ScopeText);
    if (action && *action != SystemMacroAction::ResumePause)
        SystemAction(*action);
    return true;
}

void RunDispatch::SystemAction(SystemMacroAction action) {
    if (action != SystemMacroAction::StartStopCapture) {
        desk_.SystemAction(action);
        return;
    }
    // A capture's start prompt shows before the recording runs, and a run
    // would type into it as into "Capture Complete".
    const RaisedFlag prompt(CaptureDialogShown);
    desk_.SystemAction(action);
}

void RunDispatch::RunMacroByIndex(int n) {
    RunRecord(n, true);
}

void RunDispatch::RunRecord(int n, bool systemMenusOnly) {
    if (n <= 0)
        return;
    MacroRecord record;
    // A record that cannot be read runs nothing: never what ran before, nor
    // what has the number now in a file the tables no longer follow.
    if (!library_.ReadMacroRecord(n, record)) {
        if (library_.TablesBehind())
            desk_.Notice(RefusalMessage::Caption, LibraryMessage::TablesBehind);
        return;
    }
    RunRead(n, record, systemMenusOnly);
}

void RunDispatch::RunChosen(const HeldMacro& chosen, bool systemMenusOnly) {
    const LibraryStatus status = library_.HoldStatus(chosen);
    if (status == LibraryStatus::Done)
        return RunRead(chosen.Number, chosen.AsRead, systemMenusOnly);
    // A file another program holds, or away for a moment, is no change to
    // the macro.
    desk_.Notice(RefusalMessage::Caption, MayLandLater(status) ? LibraryMessage::ListedFileUnread
                                                               : LibraryMessage::ListedMacroMoved);
}

void RunDispatch::RunRead(int n, const MacroRecord& record, bool systemMenusOnly) {
    CurrentMacro = n;
    if (record.MacroKind == MacroKind::System) {
        constexpr SystemMacroAction menu = SystemMacroAction::MenuOfTopWindow;
        if (systemMenusOnly && SystemMacroActionOf(record.ScopeText.str()) == menu)
            desk_.SystemAction(menu);
        return;
    }
    if (record.MacroKind == MacroKind::PopupMenu) {
        if (const std::optional<HeldMacro> chosen =
                ShowMenu([&] { return desk_.ChooseFromMenu(record); }))
            RunChosen(*chosen, systemMenusOnly);
        return;
    }
    if (!WhileStarting([this] { return desk_.WaitForModifiersUp(); }))
        return;
    // In use, editor told, end marker and clear timer: the interpreter's one
    // entry does them all.
    Play(n, record, record.ScriptText(), RunOrigin::User);
}

std::optional<HeldMacro> RunDispatch::ShowMenu(
    const std::function<std::optional<HeldMacro>()>& choose) {
    const RaisedFlag shown(MenuShown);
    return choose();
}

void RunDispatch::RunMacroByNickname(std::string_view nickname) {
    if (nickname.empty())
        return;
    const std::string wanted = UpperAscii(nickname);
    int match = 0;
    for (int i = 1; i <= table_.EntryCount() && !match; ++i)
        if (UpperAscii(settings_.Nickname[i].str()) == wanted)
            match = i;
    if (!match) {
        desk_.Notice(RefusalMessage::NoticeCaption, RefusalMessage::NoMacroNamed(nickname));
        return;
    }
    if (!CanStartRun())
        return;
    RunMacroByIndex(match);
}

}  // namespace orv::player
