#include "player/system_commands.h"

#include <array>
#include <utility>

#include "common/string_routines.h"

namespace orv::player {

using C = CommandCode;

namespace {

constexpr std::string_view ExecutionError = "Macro Execution Error";
constexpr std::string_view DialCaption = "Dial-Up Error";
constexpr std::string_view HangUpFailed = "Dial-Up Networking Hang Up failed.";

// Where the shell's command numbers start: 4 "<MINIDESK>" .. 25 "<EXPUD>".
constexpr int FirstShellCommand = 4;
constexpr int FirstExploreCommand = 12;
constexpr int LastShellCommand = 25;

constexpr std::array<std::string_view, FirstExploreCommand - FirstShellCommand> ShellNames{
    "Minimize All", "Undo Minimize All", "Suspend",        "Eject PC",
    "Run Set Time", "Run Find Computer", "Run Find Files", "Run File Run",
};

// The special folders of "<EXPCP>" .. "<EXPUD>", in token order.
constexpr std::array<int, LastShellCommand - FirstExploreCommand + 1> ExploredFolders{
    3, 0, 16, 6, 20, 17, 18, 4, 2, 8, 10, 11, 7, 5};

template <std::size_t N>
std::string TextOf(const std::array<std::pair<std::uint32_t, std::string_view>, N>& table,
                   std::uint32_t result, std::string_view unknown) {
    for (const auto& [code, text] : table)
        if (code == result)
            return std::string(text);
    return std::string(unknown) + std::to_string(result);
}

}  // namespace

std::string SystemText::MapResult(std::uint32_t result) {
    static constexpr std::array<std::pair<std::uint32_t, std::string_view>, 9> texts{{
        {0, "Drive mapped succesfully."},
        {5, "Map Failed.  Access to the nework device was denied."},
        {66, "Map Failed.  Nework device specified is not compatible with a drive."},
        {67, "Map Failed.  The specified networkd device was invalid."},
        {85, "Map Failed.  Drive was already assigned to a nework device."},
        {86, "Map Failed.  The specified password was invalid."},
        {170, "Map Failed.  The network router was busy--possibly initializing.  Try again."},
        {1200, "Map Failed.  The specified drive was invalid."},
        {1222, "Map Failed.  No network exists."},
    }};
    return TextOf(texts, result, "Map Failed.  Unknown Error #");
}

std::string SystemText::UnmapResult(std::uint32_t result) {
    static constexpr std::array<std::pair<std::uint32_t, std::string_view>, 4> texts{{
        {0, "Drive succesfully unmapped."},
        {2404, "Unmap Failed.  Nework device is in use by an active process."},
        {2250, "Unmap Failed.  Drive is not currently connected to a nework device."},
        {2401,
         "Unmap Failed.  There are open files on the network device and the \"Force\" "
         "option was not used."},
    }};
    return TextOf(texts, result, "Unmap Failed.  Unknown Error #");
}

std::string SystemText::DialFailed(std::string_view entry, std::uint32_t error,
                                   std::string_view text) {
    return "Dial-Up Network Connection to " + std::string(entry) +
           " failed.  Error code: " + std::to_string(error) + ": " +
           std::string(text.empty() ? "Unknown Erorr" : text) + "  Macro will abort.";
}

std::string_view SystemText::ShellCommandName(int command) {
    if (command >= FirstShellCommand && command < FirstExploreCommand)
        return ShellNames[static_cast<std::size_t>(command - FirstShellCommand)];
    return "Open Explorer";
}

int ShellSpecialFolder(int command) {
    if (command < FirstExploreCommand || command > LastShellCommand)
        return -1;
    return ExploredFolders[static_cast<std::size_t>(command - FirstExploreCommand)];
}

std::string SystemText::ExitRefused(ExitHost::Exit how) {
    constexpr std::string_view actions[] = {"log off", "restart", "shut down", "power off"};
    return "Windows did not accept the request to " +
           std::string(actions[static_cast<std::size_t>(how)]) + ".";
}

void SystemCommands::Notice(std::string_view caption, std::string_view text) {
    hosts_.Player.DoAMessage(caption, text);
}

void SystemCommands::MapNetworkDrive(std::string_view user, std::string_view scrambledPassword,
                                     std::string_view resource, bool status, bool persistent) {
    const std::string_view local = resource.substr(0, 2);
    const std::string_view remote = resource.substr(local.size());
    // Both go to the system in buffers of 255 characters; an empty field
    // (the dialogs' "default name and password") asks for the user's own.
    const std::string password = ScrambleText(scrambledPassword.substr(0, 255));
    const auto ownIfEmpty = [](std::string_view field) {
        return field.empty() ? std::nullopt : std::optional<std::string_view>(field);
    };
    const std::uint32_t result = hosts_.Network.AddConnection(
        local, remote, ownIfEmpty(user.substr(0, 255)), ownIfEmpty(password), persistent);
    if (status)
        Notice("Map " + std::string(local) + " to " + std::string(remote),
               SystemText::MapResult(result));
}

void SystemCommands::UnmapNetworkDrive(std::string_view drive, bool persistent, bool force,
                                       bool status) {
    const std::uint32_t result =
        hosts_.Network.CancelConnection(drive.substr(0, 29), persistent, force);
    if (status)
        Notice("Unmap Network Drive " + std::string(drive), SystemText::UnmapResult(result));
}

bool SystemCommands::DriveIsConnected(char drive) {
    for (const std::string& local : hosts_.Network.ConnectedDrives())
        if (!local.empty() && local[0] == drive)
            return true;
    return false;
}

void SystemCommands::ToggleNetworkDrive(std::string_view user, std::string_view scrambledPassword,
                                        std::string_view resource, bool status, bool persistent) {
    if (!resource.empty() && DriveIsConnected(resource[0]))
        UnmapNetworkDrive(resource.substr(0, 2), persistent, false, status);
    else
        MapNetworkDrive(user, scrambledPassword, resource, status, persistent);
}

bool SystemCommands::DialConnection(Playback& play, std::string_view entry, std::string_view user,
                                    std::string_view scrambledPassword) {
    RasHost& ras = hosts_.Ras;
    if (!ras.Loaded()) {
        play.EndRunNotice("Warning", SystemText::RasMissing);
        return false;
    }
    ras.ShowDialStatus("Orvane Dial-Up Networking", "Attempting Dial-Up Network Connection");
    const std::uint32_t error = ras.Dial(entry, user, ScrambleText(scrambledPassword));
    // The status window goes before the text box, so the box stands alone.
    ras.CloseDialStatus();
    if (error == 0)
        return true;
    play.EndRunThen([&] {
        hosts_.Dialogs.MyMessage(DialCaption,
                                 SystemText::DialFailed(entry, error, ras.ErrorText(error)));
    });
    return false;
}

void SystemCommands::HangUpConnection() {
    RasHost& ras = hosts_.Ras;
    if (!ras.Loaded()) {
        Notice("Warning", SystemText::RasMissing);
        return;
    }
    const auto connections = ras.Connections();
    if (!connections)
        Notice(DialCaption, HangUpFailed);
    else if (connections->empty())
        Notice(DialCaption, "There are no Dial-Up Networking connections to hang up.");
    else if (!ras.HangUp(connections->front()))
        Notice(DialCaption, HangUpFailed);
}

void SystemCommands::SetDisplayMode(std::uint32_t mode) {
    constexpr std::string_view failed =
        "The attempt to switch to the specified Screen Display Settings failed.";
    const std::optional<std::int32_t> test = hosts_.Display.ChangeMode(mode, true);
    if (!test) {
        Notice(ExecutionError,
               "The specified Screen Display Settings does not exist on this computer.");
        return;
    }
    constexpr std::int32_t Failed = -1, BadMode = -2, BadFlags = -4, Restart = 1;
    if (*test == Failed || *test == BadMode || *test == BadFlags) {
        Notice(ExecutionError, failed);
        return;
    }
    const std::int32_t result = hosts_.Display.ChangeMode(mode, false).value_or(Failed);
    if (result == Restart)
        Notice("Warning", "System must be rebooted before new display settings take effect.");
    else if (result != 0)
        Notice(ExecutionError, failed);
}

void SystemCommands::SetDefaultPrinter(std::string_view name) {
    PrinterHost& printers = hosts_.Printer;
    for (const std::string& printer : printers.PrinterNames()) {
        if (printer != name)
            continue;
        if (!printers.SetDefault(printer))
            Notice(ExecutionError, SystemText::PrinterRefused);
        return;
    }
    Notice(ExecutionError, "The specified Default Printer does not exist on this computer.");
}

void SystemCommands::SetWallpaper(std::string_view file, int style, std::int32_t x,
                                  std::int32_t y) {
    constexpr int Tile = 0, Stretch = 2, Position = 3;
    DesktopHost& desktop = hosts_.Desktop;
    desktop.WriteDesktopValue("Wallpaper", file);
    desktop.WriteDesktopValue("TileWallpaper", style == Tile ? "1" : "0");
    desktop.WriteDesktopValue("WallpaperStyle", style == Stretch ? "2" : "0");
    desktop.WriteDesktopValue("WallpaperOriginX", style == Position ? std::to_string(x) : "0");
    desktop.WriteDesktopValue("WallpaperOriginY", style == Position ? std::to_string(y) : "0");
    // Given the file too: set without one, newer systems drop the wallpaper.
    desktop.ApplyWallpaper(file);
}

void SystemCommands::ShellCommand(int command) {
    const std::string caption = std::string(SystemText::ShellCommandName(command)) + " Error";
    if (!hosts_.Shell.Available()) {
        Notice(caption, SystemText::ShellMissing);
        return;
    }
    const ShellHost::Result result = hosts_.Shell.Call(command);
    if (result.Error != 0)
        Notice(caption, result.Text);
}

void SystemCommands::LeaveWindows(ExitHost::Exit how) {
    ExitHost& exits = hosts_.Exits;
    const bool needsPrivilege = how != ExitHost::Exit::LogOff && exits.NtFamily();
    // Without the privilege the request would be refused: it is not made.
    const bool privileged = needsPrivilege && exits.SetShutdownPrivilege(true);
    const bool accepted = (privileged || !needsPrivilege) && exits.LeaveWindows(how);
    if (privileged)
        exits.SetShutdownPrivilege(false);
    if (!accepted)
        Notice("Notice", SystemText::ExitRefused(how));
}

Flow SystemCommands::Network(const CommandContext& context) {
    const TokenMatch& match = context.Match;
    const auto has = [&](char letter) {
        return match.Letters.find(letter) != std::string_view::npos;
    };
    const std::string_view user = match.Texts[0];
    const std::string_view password = match.Texts[1];
    const std::string_view resource = match.Texts[2];
    switch (context.Form().Code) {
        case C::NetworkConnect:
            MapNetworkDrive(user, password, resource, has('S'), has('P'));
            break;
        case C::NetworkToggle:
            ToggleNetworkDrive(user, password, resource, has('S'), has('P'));
            break;
        default:
            UnmapNetworkDrive(resource, has('P'), has('F'), has('S'));
    }
    return Flow::Next;
}

Flow SystemCommands::Perform(CommandContext& context) {
    const TokenForm& form = context.Form();
    const TokenMatch& match = context.Match;
    switch (form.Code) {
        case C::NetworkConnect:
        case C::NetworkToggle:
        case C::NetworkDisconnect:
            return Network(context);
        case C::DialUpNetworking:
            if (form.Head == "<HANG>") {
                HangUpConnection();
                return Flow::Next;
            }
            return DialConnection(context.Play, match.Texts[2], match.Texts[0], match.Texts[1])
                       ? Flow::Next
                       : Flow::EndRun;
        case C::DefaultDisplaySize: {
            const std::int64_t mode = ReadInteger(context.Field(8, 10));
            if (mode >= 0)
                SetDisplayMode(static_cast<std::uint32_t>(mode));
            break;
        }
        case C::DefaultPrinter:
            SetDefaultPrinter(match.Texts[0]);
            break;
        case C::Wallpaper: {
            const std::string_view text = match.Texts[0];
            if (form.Variant != 3) {
                SetWallpaper(text, form.Variant, 0, 0);
                break;
            }
            const auto place = [&](TokenField field) {
                return static_cast<std::int32_t>(ReadInteger(context.Field(field.From, field.To)));
            };
            SetWallpaper(PlacedWallpaperFile(form, text), 3, place(WallpaperField::X),
                         place(WallpaperField::Y));
            break;
        }
        case C::ScreenSaver:  // "<SSON>"
            if (hosts_.Desktop.ScreenSaverActive())
                hosts_.Desktop.StartScreenSaver();
            break;
        case C::SoundBeep:
            hosts_.Desktop.Beep();
            break;
        case C::DeskTopCascade:
            hosts_.Desktop.Arrange(DesktopHost::Arrangement::Cascade);
            break;
        case C::DeskTopTile:
            hosts_.Desktop.Arrange(form.Head == "<TILVDESK>"
                                       ? DesktopHost::Arrangement::TileVertically
                                       : DesktopHost::Arrangement::TileHorizontally);
            break;
        case C::DeskTopMinimizeAll:
        case C::DeskTopRestoreAll:
        case C::SuspendComputer:
        case C::UndockComputer:
        case C::RunDialogWindow:
        case C::OpenExplorerTo:
            ShellCommand(form.Variant);
            break;
        case C::Logoff:
            LeaveWindows(ExitHost::Exit::LogOff);
            break;
        case C::Reboot:
            LeaveWindows(ExitHost::Exit::Reboot);
            break;
        case C::ShutDown:
            LeaveWindows(ExitHost::Exit::ShutDown);
            break;
        case C::PowerOff:
            LeaveWindows(ExitHost::Exit::PowerOff);
            break;
        case C::None:  // "<EMPTYBIN>": accepted and passed over
            break;
        default:
            ReportFormWithoutCase(form);
    }
    return Flow::Next;
}

}  // namespace orv::player
