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

class WindowHost {
  public:
    virtual ~WindowHost() = default;
    // The top-level window whose title is exactly this, as the system finds it.
    virtual WindowId FindExactTitle(std::string_view title) = 0;
    // Every top-level window, in the system's order.
    virtual std::vector<WindowId> TopLevelWindows() = 0;
    virtual std::string Title(WindowId window) = 0;
    virtual WindowId Foreground() = 0;
    virtual std::uint32_t ProcessOf(WindowId window) = 0;
    // The first running process whose upper-cased file name holds the
    // (upper-cased) part; 0 for none.
    virtual std::uint32_t FindProcess(std::string_view namePart) = 0;
    // Restores the window when it is minimised and makes it the foreground
    // window with the keyboard focus (the foreground transfer).
    virtual void BringToFront(WindowId window) = 0;
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
}  // namespace WindowText

class WindowCommands final : public CommandFamily {
  public:
    // A launch-and-activate title keeps this many characters.
    static constexpr std::size_t LaunchTitleLength = 30;
    static constexpr double LaunchWaitSeconds = 12;

    WindowCommands(WindowHost& host, Playback& play) : host_(host), play_(play) {}

    Flow Perform(CommandContext& context) override;

    // The window whose title is exactly this, else the first whose title
    // holds it without regard to case; it becomes TargetWindow. 0: none.
    WindowId GetWinHandle(std::string_view title);
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
    // A title field: empty names nothing, "\"CURRENT\"" the foreground window.
    WindowId TitledWindow(std::string_view title);
    void BringForward(WindowId window);
    Flow Launch(const CommandContext& context);

    WindowHost& host_;
    Playback& play_;
};

}  // namespace orv::player
