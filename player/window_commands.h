// The window and program commands: windows found by their title, brought to
// the front, moved, sized, shown, hidden, closed; programs and documents
// started; web addresses opened; a running program's window brought forward.
// What it needs of the desktop is WindowHost; the Win32 one is
// player/win32/win32_windows.*, tests fake it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "player/command_context.h"

namespace orv::player {

using WindowId = std::uint32_t;  // 0: no window

namespace SysCommand {
constexpr std::uint16_t Minimize = 0xF020;
constexpr std::uint16_t Maximize = 0xF030;
constexpr std::uint16_t Close = 0xF060;
constexpr std::uint16_t Restore = 0xF120;
}  // namespace SysCommand

// What the system says of a top-level window that decides whether a user can
// switch to it.
struct WindowLook {
    bool Visible = false;
    // Visible but not drawn: a frame of an app that is suspended or on
    // another virtual desktop.
    bool Cloaked = false;
    bool ToolWindow = false;
    WindowId RootOwner = 0;        // the end of its owner chain; itself when unowned
    WindowId LastActivePopup = 0;  // of the windows it owns; itself when none
};

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // The top-level window whose title is exactly this, as the system finds it.
    virtual WindowId FindExactTitle(std::string_view title) = 0;
    // Every top-level window, in the system's order.
    virtual std::vector<WindowId> TopLevelWindows() = 0;
    virtual std::string Title(WindowId window) = 0;
    virtual WindowLook Look(WindowId window) = 0;
    virtual WindowId Foreground() = 0;
    virtual std::uint32_t ProcessOf(WindowId window) = 0;
    // The first running process whose upper-cased file name holds the
    // (upper-cased) part; 0 for none.
    virtual std::uint32_t FindProcess(std::string_view namePart) = 0;
    // Restores the window when it is minimised and makes it the foreground
    // window with the keyboard focus (the foreground transfer); false when
    // the system kept another window in front.
    virtual bool BringToFront(WindowId window) = 0;
    // The window, or a window it owns (a dialog it shows), is the foreground
    // window and not minimised: the one rule of "in front".
    virtual bool InFront(WindowId window) = 0;
    virtual void PostQuit(WindowId window) = 0;
    virtual void Show(WindowId window, bool visible) = 0;
    virtual void Resize(WindowId window, std::int32_t width, std::int32_t height) = 0;
    virtual void Move(WindowId window, std::int32_t x, std::int32_t y) = 0;
    // WM_SYSCOMMAND, never held by a window that does not answer.
    virtual void SendSysCommand(WindowId window, std::uint16_t code) = 0;
    // The shell's "open" of a program or document; its result (above 32, or
    // negative: success).
    virtual std::int64_t ShellOpen(std::string_view file, std::string_view parameters) = 0;
    // The window that receives every hot-key combination (0: none), handed
    // to the hook library and the editor.
    virtual void SetSecondWindow(WindowId window, bool on) = 0;
};

namespace WindowText {
// "Specified window title of "title" could not be found ... Macro will abort."
std::string TitleNotFound(std::string_view title);
// The launch error for a shell result of 0 to 32.
std::string LaunchError(std::string_view program, std::int64_t result);
// A window that was found but stayed behind another.
std::string NotInFront(std::string_view title);
}  // namespace WindowText

class WindowCommands final : public CommandFamily {
  public:
    // A launch-and-activate title keeps this many characters.
    static constexpr std::size_t LaunchTitleLength = 30;
    static constexpr double LaunchWaitSeconds = 12;

    WindowCommands(WindowHost& host, Playback& play) : host_(host), play_(play) {}

    Flow Perform(CommandContext& context) override;

    // How long a window brought forward may take to be the foreground.
    static constexpr std::uint64_t ForegroundWaitMs = 1000;

    // Of the windows a user can switch to (UserCanSwitchTo): the one whose
    // title is exactly this, else the first whose title holds it without
    // regard to case; it becomes TargetWindow. 0: none.
    WindowId GetWinHandle(std::string_view title);
    // Found and in front; a window found that stayed behind is no success.
    bool ActivateIt(std::string_view title);
    bool WaitToActivate(std::string_view title, double seconds);
    // program["<PARAM>"parameters]: started, then (activate) its window
    // awaited by LaunchTitle; false, after its notice, when that fails.
    bool LaunchProgram(std::string_view command, double pauseSeconds, double timeoutSeconds,
                       bool activate);
    void OpenUrl(std::string_view address);
    void SendSysCommand(std::uint16_t code, std::string_view title);
    bool ActivateProg(std::string_view name);
    void SetSecWind(WindowId window, bool on) { host_.SetSecondWindow(window, on); }

    // A window Alt+Tab would offer: visible, not cloaked, not a tool window,
    // and the one its owner tree shows (see ShownOf). Hidden windows every
    // program owns ("Default IME", broadcast and DDE windows) and owned
    // helpers listed above their owner are none.
    bool UserCanSwitchTo(WindowId window);
    // The window a user sees for this one: itself, else the one its owner
    // tree shows; 0 when a user can switch to neither (the taskbar, a hidden
    // window). What triggers and scopes compare.
    WindowId UserWindowOf(WindowId window);

    // Waits until the input the run played so far has been handed to the
    // window it went to (none outside a run). Every command here changes or
    // takes the foreground or acts on a window, and would otherwise overtake
    // the keys still on their way: a close before the last keys arrive, the
    // keys after an activation landing in the new window.
    std::function<void()> SettleInput;

    WindowId TargetWindow = 0;
    WindowId LastActivatedWindow = 0;
    std::string LaunchTitle;

  private:
    enum class Activation { NotFound, StayedBehind, InFront };

    // A title field: empty names nothing, "\"CURRENT\"" the foreground window.
    WindowId TitledWindow(std::string_view title);
    // Of an owner tree, from its root down the last active popups while they
    // are visible: the window Alt+Tab shows for the tree.
    WindowId ShownOf(WindowId root);
    WindowId FindSwitchable(const std::function<bool(const std::string&)>& fits);
    Activation Activate(std::string_view title);
    // The one road of every activation here: true once the window is in
    // front, within ForegroundWaitMs during a run, at once outside one.
    bool BringForward(WindowId window);
    Flow EndRunUnlessInFront(Activation activation, std::string_view caption,
                             std::string_view title);
    Flow Launch(const CommandContext& context);

    WindowHost& host_;
    Playback& play_;
};

}  // namespace orv::player
