// The machine's side of the system commands: network connections (WNet),
// display modes, printers and WIN.INI, the desktop's registry values and
// wallpaper, the screen saver, the beep, window arrangement, the shell's
// automation object and leaving Windows.
#pragma once

#include <string>

#include "player/system_commands.h"
#include "player/win32/win32_dial_up.h"

namespace orv::player {

class Win32Network final : public NetworkHost {
  public:
    std::uint32_t AddConnection(std::string_view local, std::string_view remote,
                                std::optional<std::string_view> user,
                                std::optional<std::string_view> password, bool persistent) override;
    std::uint32_t CancelConnection(std::string_view name, bool persistent, bool force) override;
    std::vector<std::string> ConnectedDrives() override;
};

class Win32Display final : public DisplayHost {
  public:
    std::optional<std::int32_t> ChangeMode(std::uint32_t mode, bool testOnly) override;
};

class Win32Printers final : public PrinterHost {
  public:
    std::vector<std::string> PrinterNames() override;
    bool SetDefault(std::string_view printer) override;
};

class Win32Desktop final : public DesktopHost {
  public:
    void WriteDesktopValue(std::string_view name, std::string_view value) override;
    void ApplyWallpaper(std::string_view file) override;
    bool ScreenSaverActive() override;
    void StartScreenSaver() override;
    void Beep() override;
    void Arrange(Arrangement how) override;
};

// Shell.Application through its dispatch interface, by member name.
class Win32Shell final : public ShellHost {
  public:
    ~Win32Shell() override;
    bool Available() override { return BrowserFlag; }
    Result Call(int command) override;

    // Set at start-up: whether the installed browser allows the object.
    bool BrowserFlag = false;

  private:
    bool oleStarted_ = false;
};

class Win32Exits final : public ExitHost {
  public:
    bool NtFamily() override { return Nt; }
    bool SetShutdownPrivilege(bool enable) override;
    bool LeaveWindows(Exit how) override;

    bool Nt = true;
};

// The system command family over the machine's hosts.
struct Win32SystemCommands {
    Win32SystemCommands(PlayerHost& player, PauseControl& dialogs, const std::string& programDir)
        : DialUp(LoadRasApi(), programDir),
          Commands({Network, DialUp, Display, Printers, Desktop, Shell, Exits, dialogs, player}) {}

    Win32Network Network;
    Win32DialUp DialUp;
    Win32Display Display;
    Win32Printers Printers;
    Win32Desktop Desktop;
    Win32Shell Shell;
    Win32Exits Exits;
    SystemCommands Commands;
};

// Enables or disables a privilege of the process's token; true only when the
// token really holds it afterwards as asked.
bool AdjustPrivilege(const char* name, bool enable);

// The system's text of an error number (a Win32 error or an HRESULT);
// the number in hexadecimal when the system has none.
std::string SystemErrorText(std::uint32_t error);

}  // namespace orv::player
