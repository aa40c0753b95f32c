// The commands that change the machine rather than type into a window:
// network drives, dial-up connections, the display mode, the default
// printer, the wallpaper, the screen saver, the beep, leaving Windows,
// arranging the desktop and the shell's desktop and folder commands. What
// they need of the system sits behind one small host per concern; the Win32
// hosts are in player/win32/win32_system.*, tests fake them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ras_text.h"
#include "player/command_context.h"
#include "player/dialog_commands.h"

namespace orv::player {

class NetworkHost {
  public:
    virtual ~NetworkHost() = default;
    // Adds a disk connection of local (such as "F:") to remote; the system's
    // result (0: success). No user or password: the logged-on user's own,
    // where an empty password would be "no password".
    virtual std::uint32_t AddConnection(std::string_view local, std::string_view remote,
                                        std::optional<std::string_view> user,
                                        std::optional<std::string_view> password,
                                        bool persistent) = 0;
    virtual std::uint32_t CancelConnection(std::string_view name, bool persistent, bool force) = 0;
    // The local names of the connected disk resources that have a remote name.
    virtual std::vector<std::string> ConnectedDrives() = 0;
};

// The dial-up side: the library bound at start-up, a dial, the list of
// active connections and the status window shown while dialling.
class RasHost {
  public:
    virtual ~RasHost() = default;
    virtual bool Loaded() = 0;
    // Dials the entry synchronously; 0 on success, else the error number
    // (a connection left behind by a failed dial is hung up).
    virtual std::uint32_t Dial(std::string_view entry, std::string_view user,
                               std::string_view password) = 0;
    // The active connections in the system's order; none when the listing fails.
    virtual std::optional<std::vector<std::uintptr_t>> Connections() = 0;
    virtual bool HangUp(std::uintptr_t connection) = 0;
    // The text of a dial-up error from OVRAS.INI; empty when it has none.
    virtual std::string ErrorText(std::uint32_t error) = 0;
    // The status window and the hourglass while the dial lasts.
    virtual void ShowDialStatus(std::string_view caption, std::string_view status) = 0;
    virtual void CloseDialStatus() = 0;
};

class DisplayHost {
  public:
    virtual ~DisplayHost() = default;
    // Changes to the primary display's mode number mode (only tests it with
    // testOnly, else also records it in the registry); the system's result.
    // None when the display has no such mode.
    virtual std::optional<std::int32_t> ChangeMode(std::uint32_t mode, bool testOnly) = 0;
};

class PrinterHost {
  public:
    virtual ~PrinterHost() = default;
    // The printers of the printing service, in its order.
    virtual std::vector<std::string> PrinterNames() = 0;
    // Makes the printer the user's default (the system keeps WIN.INI's
    // [windows] "device" with it and tells every window); false when refused.
    virtual bool SetDefault(std::string_view printer) = 0;
};

// The desktop itself: wallpaper, screen saver, beep, window arrangement.
class DesktopHost {
  public:
    virtual ~DesktopHost() = default;
    // String values of the user's "Control Panel\Desktop" key.
    virtual void WriteDesktopValue(std::string_view name, std::string_view value) = 0;
    // Sets the wallpaper to file and tells every window, so the desktop
    // re-reads the values above.
    virtual void ApplyWallpaper(std::string_view file) = 0;
    virtual bool ScreenSaverActive() = 0;
    virtual void StartScreenSaver() = 0;
    virtual void Beep() = 0;
    enum class Arrangement { Cascade, TileVertically, TileHorizontally };
    virtual void Arrange(Arrangement how) = 0;
};

// The shell's automation object.
class ShellHost {
  public:
    virtual ~ShellHost() = default;
    // Whether the object may be used (decided at start-up from the browser).
    virtual bool Available() = 0;
    // Calls the command (4..25, below) through the object: 0 or the
    // automation error, with its text.
    struct Result {
        std::int32_t Error = 0;
        std::string Text;
    };
    virtual Result Call(int command) = 0;
};

class ExitHost {
  public:
    virtual ~ExitHost() = default;
    enum class Exit { LogOff, Reboot, ShutDown, PowerOff };
    virtual bool NtFamily() = 0;
    // Enables or disables "SeShutdownPrivilege" for the player; true when
    // every privilege asked for was adjusted.
    virtual bool SetShutdownPrivilege(bool enable) = 0;
    // Asks the system to end the session; false when it refused at once.
    virtual bool LeaveWindows(Exit how) = 0;
};

struct SystemHosts {
    NetworkHost& Network;
    RasHost& Ras;
    DisplayHost& Display;
    PrinterHost& Printer;
    DesktopHost& Desktop;
    ShellHost& Shell;
    ExitHost& Exits;
    PauseControl& Dialogs;  // the text box of the dial-up error
    PlayerHost& Player;     // the notices
};

namespace SystemText {
std::string MapResult(std::uint32_t result);
std::string UnmapResult(std::uint32_t result);
inline constexpr std::string_view RasMissing = RasMissingText;
inline constexpr std::string_view PrinterRefused = "The Default Printer could not be changed.";
// Windows refused to end the session that way.
std::string ExitRefused(ExitHost::Exit how);
std::string DialFailed(std::string_view entry, std::uint32_t error, std::string_view text);
// The shell command's name in its error caption.
std::string_view ShellCommandName(int command);
inline constexpr std::string_view ShellMissing =
    "This function requires Windows 98 or NT.  Duzo requires Windows 95 that has Internet "
    "Explore 4.0 or greater installed. It appears that your system does not meet these "
    "requirements.";
}  // namespace SystemText

// The shell's special-folder number that "<EXP..>" command 12..25 explores.
int ShellSpecialFolder(int command);

class SystemCommands final : public CommandFamily {
  public:
    explicit SystemCommands(const SystemHosts& hosts) : hosts_(hosts) {}
    Flow Perform(CommandContext& context) override;

    void MapNetworkDrive(std::string_view user, std::string_view scrambledPassword,
                         std::string_view resource, bool status, bool persistent);
    void UnmapNetworkDrive(std::string_view drive, bool persistent, bool force, bool status);
    bool DriveIsConnected(char drive);
    void ToggleNetworkDrive(std::string_view user, std::string_view scrambledPassword,
                            std::string_view resource, bool status, bool persistent);
    bool DialConnection(Playback& play, std::string_view entry, std::string_view user,
                        std::string_view scrambledPassword);
    void HangUpConnection();
    void SetDisplayMode(std::uint32_t mode);
    void SetDefaultPrinter(std::string_view name);
    void SetWallpaper(std::string_view file, int style, std::int32_t x, std::int32_t y);
    void ShellCommand(int command);
    void LeaveWindows(ExitHost::Exit how);

  private:
    void Notice(std::string_view caption, std::string_view text);
    Flow Network(const CommandContext& context);

    SystemHosts hosts_;
};

}  // namespace orv::player
