// Which macro a hot key, a direct macro number or a nickname means now, and
// the start of its run: the refusals while a menu is open or a capture runs,
// the scopes (window title, program, global), the system macros and the
// in-use protocol around a run.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/hook_library.h"
#include "common/hook_table.h"
#include "common/hotkeys.h"
#include "common/macro_library.h"
#include "common/settings.h"
#include "common/shared_routines.h"
#include "common/system_macro_action.h"
#include "player/interpreter.h"
#include "player/run_shared.h"

namespace orv::player {

namespace RefusalMessage {
inline constexpr const char* Caption = "Warning";
inline constexpr const char* MenuShown =
    "A current Popup Menu macro is being displayed. Another macro cannot be executed until "
    "either a choice is made from the Popup Menu or it is cancelled.";
inline constexpr const char* Recording =
    "A macro is currently being recorded. Another macro cannot be executed until the "
    "recording is completed.";
inline constexpr const char* Paused =
    "A current playback macro is in the middle of a PAUSE. Another macro cannot be executed "
    "until the PAUSE is either cancelled or resumed.";
inline constexpr const char* NoticeCaption = "Notice";
// A run asked for by a nickname ("/A") no macro has.
std::string NoMacroNamed(std::string_view nickname);
}  // namespace RefusalMessage

// A hot-key message carries this bit beside the code when the hook library
// switched Caps Lock off for the key.
constexpr std::uint32_t CapsLockBit = 0x8000;

// The window in front when a hot key is looked up: its title and its
// program's file name as the system gives them. Window 0: none.
struct FrontWindow {
    std::uint32_t Window = 0;
    std::string Title;
    std::string Program;
};

// The enabled macros a hot-key code means, in the order they are tried.
struct MacroChoice {
    // The first window or program scope the window in front fits: it runs
    // there. The pause window is nobody's scope.
    int InFront = 0;
    // The scopes that bring their window or program forward, in file order:
    // the first that comes forward runs.
    std::vector<int> Elsewhere;
    // The last global, menu or system macro in file order: it runs where no
    // scope does.
    int Global = 0;
    bool operator==(const MacroChoice&) const = default;
};
MacroChoice ChooseMacro(const HookTable& table, int code, const FrontWindow& front);

// What the dispatch asks of the desktop and of the rest of the player.
class PlayerDesk {
  public:
    virtual ~PlayerDesk() = default;
    virtual void Notice(std::string_view caption, std::string_view text) = 0;
    // The foreground window (0: none) and its title.
    virtual std::uint32_t ForegroundWindow() = 0;
    virtual std::string WindowTitle(std::uint32_t window) = 0;
    // The file name of the foreground window's program as the system gives
    // it (not upper-cased); empty when there is none.
    virtual std::string GetTopProgram() = 0;
    // The file name of the program a window belongs to, as the system gives
    // it; empty when its process cannot be asked.
    virtual std::string ProgramOfWindow(std::uint32_t window) = 0;
    // The file names of every running program.
    virtual std::vector<std::string> RunningProgramNames() = 0;
    // Brings forward a window whose title holds the text / a running program
    // whose name holds it; false when there is none.
    virtual bool ActivateWindow(std::string_view titlePart) = 0;
    virtual bool ActivateProgram(std::string_view name) = 0;
    // Network mode: when another user changed the shared library since it
    // was loaded, reloads it, so that the key is looked up in the fresh
    // tables.
    virtual void ReloadIfChanged() = 0;
    // A system macro's action (resuming a pause is the dispatch's own).
    virtual void SystemAction(SystemMacroAction action) = 0;
    // Waits (a short while at most) until the user has let go of Ctrl, Alt,
    // Shift and Win, so that a macro started by a hot key does not type
    // under the hot key's own modifiers. Messages are handled meanwhile;
    // false when one of them was a request to close the player: the run
    // does not start then.
    virtual bool WaitForModifiersUp() = 0;
    // The pop-up menu of a menu macro: the chosen macro, held as the menu
    // showed it; nothing when cancelled.
    virtual std::optional<HeldMacro> ChooseFromMenu(const MacroRecord& menu) = 0;
    // Closes the pause window as its Resume button would.
    virtual void ResumePause() = 0;
    // The text typed before a run no longer counts (the Cueword and the
    // text-wait buffers start afresh): the macro's own output comes between.
    virtual void ForgetTyping() = 0;
};

// How a run was asked for: the user is told why his request is refused;
// timed, start-up and window-activation runs are dropped without a word.
enum class RunRequest { User, Unattended };

// The macro whose run started last, as it was when it started.
struct RunningMacro {
    std::string Nickname;
    std::uint16_t Activation = ActivationCode::None;
};

class RunDispatch {
  public:
    RunDispatch(const SettingsBlock& settings, HookTable& table, const MacroLibrary& library,
                RunShared& shared, Interpreter& interpreter, PlayerDesk& desk)
        : settings_(settings),
          table_(table),
          library_(library),
          shared_(shared),
          interpreter_(interpreter),
          desk_(desk) {}

    // A hot key from the hook library (with CapsLockBit where it switched
    // Caps Lock off); window had the focus at the key press.
    void HotKeyPressed(std::uint32_t message, std::uint32_t window);
    // A macro the user chose from a list of the player's (a menu's tray
    // icon), to run in window.
    void ListedMacroChosen(int n, std::uint32_t window);
    // The macro chosen in a menu, which handled messages while it showed: it
    // runs only while the file still has it where the menu read it, else
    // the user is told to choose again.
    void RunChosen(const HeldMacro& chosen, bool systemMenusOnly = false);
    // The run requested by a second start or a start-up switch.
    void RunMacroByNickname(std::string_view nickname);
    void RunMacroByIndex(int n);
    // The hook library saw the end marker, or the clear timer ran out.
    void MacroEnded() { shared_.SetMacroInUse(false); }
    // The pause window of the running macro opens and closes. While it shows
    // the macro is not in use, so that the hook library reports the hot key
    // that resumes it; afterwards it is as before.
    void PauseShown();
    void PauseClosed();
    bool Paused() const { return paused_; }
    const RunningMacro& Running() const { return running_; }
    // The one gate of every run: none while a run is under way or being
    // prepared (silently), a menu shows, a capture runs or a macro is paused
    // (the user is told why when he asked for the run).
    bool CanStartRun(RunRequest request = RunRequest::User);
    // Every run, whatever started it, once it passed the gate: it becomes the
    // current and the running macro, and the text typed before and during it
    // is forgotten. False when a run is under way or the record is a menu's
    // or a system macro's.
    bool Play(int n, const MacroRecord& record, std::string_view script, RunOrigin origin);
    // Runs a run's preparation (a wait that handles messages) as a run under
    // way: nothing else starts meanwhile. Returns what the step returned.
    bool WhileStarting(const std::function<bool()>& step);

    bool MenuShown = false;
    // "Capture Complete" or a capture's start prompt is on the screen: the
    // recording is not complete until the new macro is saved (a run would
    // type into the dialog).
    bool CaptureDialogShown = false;
    int CurrentMacro = 0;
    std::uint32_t TargetWindow = 0;
    // The screen X of the menu tray icon whose macro runs; -1 when the menu
    // was asked for otherwise (it then opens centred).
    int TrayMenuX = -1;
    // A menu on the screen: the flag is set while it shows, however it ends.
    std::optional<HeldMacro> ShowMenu(const std::function<std::optional<HeldMacro>()>& choose);

  private:
    // A run is under way or about to start: nothing else may start.
    bool Busy();
    bool Capturing() const;
    void ResumeOrRefuse(int code, bool capsLock);
    // True when a system macro has this code (its action is then done).
    bool RunSystemMacro(int code);
    FrontWindow Front();
    // The one place a hot key's macro is chosen, its window brought forward
    // and the macro run.
    void RunHotKeyMacro(int code);
    bool BringForward(const MacroEntry& scope);
    // The enabled system macro on a hot-key code; 0 for none.
    int SystemMacroOn(int code) const;
    void RunRecord(int n, bool systemMenusOnly);
    void RunRead(int n, const MacroRecord& record, bool systemMenusOnly);
    void SystemAction(SystemMacroAction action);

    const SettingsBlock& settings_;
    HookTable& table_;
    const MacroLibrary& library_;
    RunShared& shared_;
    Interpreter& interpreter_;
    PlayerDesk& desk_;
    bool starting_ = false;
    RunningMacro running_;
    bool paused_ = false;
    std::uint8_t inUseBeforePause_ = 0;
};

}  // namespace orv::player
