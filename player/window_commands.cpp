#include "player/window_commands.h"

#include <array>
#include <utility>

#include "common/string_routines.h"

namespace orv::player {

using C = CommandCode;

namespace {

constexpr std::string_view ParamMarker = "<PARAM>";

// The shell's results that have a reason of their own.
constexpr std::array<std::pair<std::int64_t, std::string_view>, 9> LaunchReasons{{
    {0, "the operating system is out of memory or resources."},
    {2, "the specified file was not found."},
    {3, "the specified path was not found."},
    {5, "the operating system denied access to the specified file."},
    {8, "there was not enough memory to complete the operation."},
    {11, "the .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
    {26, "a sharing violation occurred."},
    {27, "the filename association is incomplete or invalid."},
    {31, "there is no application associated with the given filename extension."},
}};

// Where each launch form keeps its numbers (0-based from the "<"); a wait
// of 0 means the fixed wait. A titled form waits for its title's window;
// an activating one first looks for that window and launches only without.
struct LaunchForm {
    std::string_view Head;
    std::size_t DelayAt;
    std::size_t WaitAt;
    bool Titled;
    bool ActivateFirst;
};
constexpr LaunchForm LaunchForms[] = {
    {"<LAUNCH:", 0, 0, false, false},     {"<LAUNCHDEL:", 11, 0, false, false},
    {"<LAUNCHNO:", 10, 0, true, false},   {"<LAUNCHYES:", 11, 0, true, true},
    {"<LAUNCHNO2:", 11, 13, true, false}, {"<LAUNCHYES2:", 12, 14, true, true},
};

// Owner chains are short; a longer one is a loop the system let through.
constexpr int MaxOwnerDepth = 16;

bool Launched(std::int64_t result) {
    // Read as a signed number: a negative one counts as success too.
    return result > 32 || result < 0;
}

}  // namespace

std::string WindowText::TitleNotFound(std::string_view title) {
    return "Specified window title of \"" + std::string(title) +
           "\" could not be found on your computer. Macro will abort.";
}

std::string WindowText::NotInFront(std::string_view title) {
    return "The window \"" + std::string(title) +
           "\" did not come to the front, so what the macro types next would go to another "
           "window. Macro will abort.";
}

std::string WindowText::LaunchError(std::string_view program, std::int64_t result) {
    std::string reason = "of an unknown Error #" + std::to_string(result) + ".";
    for (const auto& [code, text] : LaunchReasons)
        if (code == result)
            reason = text;
    return "\"" + std::string(program) + "\" failed to launch because " + reason +
           " Macro will abort.";
}

WindowId WindowCommands::ShownOf(WindowId root) {
    WindowId shown = root;
    for (int step = 0; step < MaxOwnerDepth; ++step) {
        const WindowId popup = host_.Look(shown).LastActivePopup;
        if (!popup || popup == shown || !host_.Look(popup).Visible)
            break;
        shown = popup;
    }
    return shown;
}

bool WindowCommands::UserCanSwitchTo(WindowId window) {
    if (!window)
        return false;
    const WindowLook look = host_.Look(window);
    if (!look.Visible || look.Cloaked || look.ToolWindow)
        return false;
    const WindowId root = look.RootOwner ? look.RootOwner : window;
    // An unowned window has its taskbar button whatever it owns; an owned one
    // counts where its tree shows it, or where its owner is hidden and shows
    // nothing (a program whose main window hangs from a hidden one).
    return root == window || ShownOf(root) == window || !host_.Look(root).Visible;
}

WindowId WindowCommands::UserWindowOf(WindowId window) {
    if (!window || UserCanSwitchTo(window))
        return window;
    const WindowLook look = host_.Look(window);
    const WindowId root = look.RootOwner ? look.RootOwner : window;
    for (WindowId seen : {ShownOf(root), root})
        if (UserCanSwitchTo(seen))
            return seen;
    return 0;
}

WindowId WindowCommands::FindSwitchable(const std::function<bool(const std::string&)>& fits) {
    for (WindowId window : host_.TopLevelWindows()) {
        const std::string text = host_.Title(window);
        if (!text.empty() && fits(UpperAscii(text)) && UserCanSwitchTo(window))
            return window;
    }
    return 0;
}

WindowId WindowCommands::GetWinHandle(std::string_view title) {
    WindowId found = host_.FindExactTitle(title);
    if (!UserCanSwitchTo(found)) {
        // The system's exact match may be a hidden window of the same title.
        const bool titledExactly = found != 0;
        const std::string wanted = UpperAscii(CutShort(title));
        found = FindSwitchable([&](const std::string& text) { return text == wanted; });
        // A title a window has exactly names that window, even one the user
        // cannot see: never another window whose title holds it.
        if (!found && !titledExactly)
            found = FindSwitchable(
                [&](const std::string& text) { return text.find(wanted) != std::string::npos; });
    }
    if (found)
        TargetWindow = found;
    return found;
}

bool WindowCommands::BringForward(WindowId window) {
    LastActivatedWindow = window;
    if (host_.BringToFront(window))
        return true;
    // Outside a run (a scope's activation before its macro starts) nothing
    // is pumped: a hot key handled meanwhile would start a run inside this one.
    if (!play_.State().Running)
        return host_.InFront(window);
    return play_.WaitFor([&] { return host_.InFront(window); }, ForegroundWaitMs) == WaitEnd::Done;
}

WindowCommands::Activation WindowCommands::Activate(std::string_view title) {
    const WindowId window = GetWinHandle(title);
    if (!window)
        return Activation::NotFound;
    return BringForward(window) ? Activation::InFront : Activation::StayedBehind;
}

bool WindowCommands::ActivateIt(std::string_view title) {
    return Activate(title) == Activation::InFront;
}

bool WindowCommands::WaitToActivate(std::string_view title, double seconds) {
    const auto limit = static_cast<std::uint64_t>(seconds > 0 ? seconds * 1000 : 0);
    return play_.WaitFor([&] { return ActivateIt(title); }, limit) == WaitEnd::Done;
}

bool WindowCommands::ActivateProg(std::string_view name) {
    const std::uint32_t process = host_.FindProcess(UpperAscii(name));
    if (!process)
        return false;
    for (WindowId window : host_.TopLevelWindows()) {
        if (host_.ProcessOf(window) == process && !host_.Title(window).empty() &&
            UserCanSwitchTo(window))
            return BringForward(window);
    }
    return false;
}

Flow WindowCommands::EndRunUnlessInFront(Activation activation, std::string_view caption,
                                         std::string_view title) {
    if (activation == Activation::InFront)
        return Flow::Next;
    play_.EndRunNotice(caption, activation == Activation::StayedBehind
                                    ? WindowText::NotInFront(title)
                                    : WindowText::TitleNotFound(title));
    return Flow::EndRun;
}

bool WindowCommands::LaunchProgram(std::string_view command, double pauseSeconds,
                                   double timeoutSeconds, bool activate) {
    const std::size_t marker = command.find(ParamMarker);
    const std::string_view program = command.substr(0, marker);
    const std::string_view parameters = marker == std::string_view::npos
                                            ? std::string_view{}
                                            : command.substr(marker + ParamMarker.size());
    const std::int64_t result = host_.ShellOpen(program, parameters);
    if (!Launched(result)) {
        play_.EndRunNotice("Launch Error", WindowText::LaunchError(program, result));
        return false;
    }
    if (activate) {
        if (!WaitToActivate(LaunchTitle, timeoutSeconds)) {
            // An abort during the wait needs no notice of its own.
            if (!play_.State().AbortFlag)
                play_.EndRunNotice("Launch Failed", GetWinHandle(LaunchTitle)
                                                        ? WindowText::NotInFront(LaunchTitle)
                                                        : WindowText::TitleNotFound(LaunchTitle));
            return false;
        }
    }
    if (pauseSeconds > 0)
        play_.PauseForNoSpeed(pauseSeconds);
    return true;
}

void WindowCommands::OpenUrl(std::string_view address) {
    host_.ShellOpen(address, {});
}

WindowId WindowCommands::TitledWindow(std::string_view title) {
    if (title.empty())
        return 0;
    if (title == CurrentWindowTitle)
        return host_.Foreground();
    return GetWinHandle(title);
}

void WindowCommands::SendSysCommand(std::uint16_t code, std::string_view title) {
    if (const WindowId window = TitledWindow(title))
        host_.SendSysCommand(window, code);
}

Flow WindowCommands::Launch(const CommandContext& context) {
    const TokenMatch& match = context.Match;
    const LaunchForm* form = nullptr;
    for (const LaunchForm& f : LaunchForms)
        if (f.Head == context.Form().Head)
            form = &f;
    if (!form)
        return Flow::Next;
    // The command field runs from the program to the token's closing ">",
    // "<PARAM>" and the parameters included.
    const std::string_view command(
        match.Texts[1].data(),
        context.Token.data() + context.Token.size() - 1 - match.Texts[1].data());
    const auto number = [&](std::size_t at) {
        return at ? static_cast<double>(ReadInteger(context.Field(at, at + 1))) : 0.0;
    };
    const double wait = form->WaitAt ? number(form->WaitAt) : LaunchWaitSeconds;
    if (form->Titled) {
        const std::string_view title = match.Texts[0];
        if (form->ActivateFirst) {
            // A window there that stays behind is not started a second time.
            const Activation activation = Activate(title);
            if (activation != Activation::NotFound)
                return EndRunUnlessInFront(activation, "Launch Failed", title);
        }
        LaunchTitle = std::string(title.substr(0, LaunchTitleLength));
    }
    return LaunchProgram(command, number(form->DelayAt), wait, form->Titled) ? Flow::Next
                                                                             : Flow::EndRun;
}

Flow WindowCommands::Perform(CommandContext& context) {
    const std::string_view title = context.Match.Texts[0];
    const auto number = [&](std::size_t from, std::size_t to) {
        return static_cast<std::int32_t>(ReadInteger(context.Field(from, to)));
    };
    if (SettleInput)
        SettleInput();
    // An abort that came while the keys arrived: the window is left alone;
    // a run refused has said so and acts on nothing more.
    if (play_.Refused())
        return Flow::EndRun;
    if (play_.State().AbortFlag)
        return Flow::Next;
    switch (context.Form().Code) {
        case C::WindowActivate:
            return EndRunUnlessInFront(Activate(title), "Activate Command Failed", title);
        case C::ProgramLaunch:
        case C::LaunchAndActivate:
        case C::ActivateOrLaunch:
            return Launch(context);
        case C::WebSite:
        case C::WebFtp:
            OpenUrl(title);
            break;
        case C::WindowMaximize:
            SendSysCommand(SysCommand::Maximize, title);
            break;
        case C::WindowMinimize:
            SendSysCommand(SysCommand::Minimize, title);
            break;
        case C::WindowClose:
            SendSysCommand(SysCommand::Close, title);
            break;
        case C::WindowRestore:
            SendSysCommand(SysCommand::Restore, title);
            break;
        case C::ProgramShutDown:
            if (const WindowId window = TitledWindow(title))
                host_.PostQuit(window);
            break;
        case C::WindowHide:
        case C::WindowShow:
            if (const WindowId window = TitledWindow(title))
                host_.Show(window, context.Form().Code == C::WindowShow);
            break;
        case C::WindowResize:
            if (const WindowId window = TitledWindow(title))
                host_.Resize(window, number(7, 10), number(12, 15));
            break;
        case C::WindowReposition:
            if (const WindowId window = TitledWindow(title)) {
                if (context.Form().Head == "<WPOS2:")
                    host_.Move(window, number(7, 11), number(13, 17));
                else
                    host_.Move(window, number(6, 9), number(11, 14));
            }
            break;
        default:
            ReportFormWithoutCase(context.Form());
    }
    return Flow::Next;
}

}  // namespace orv::player
