#include "editor/wizard/wizard_loaders.h"

#include <algorithm>

#include "common/hotkey_list.h"
#include "common/macro_record.h"
#include "common/schedule.h"
#include "common/string_routines.h"
#include "common/system_macro_action.h"
#include "editor/wizard/wizard_kinds.h"

namespace orv::editor {
namespace {

HotKeyListing Listing(const WizardEnv& env) {
    std::vector<HotKeyUser> users;
    for (const LibraryEntry& m : env.Library) users.push_back({m.Activation, m.Kind});
    return HotKeyListLines(std::span<const HotKeyUser>(users));
}

template <class Keep>
std::vector<ListLine> LinesOf(const WizardEnv& env, Keep keep) {
    std::vector<ListLine> lines;
    for (const LibraryEntry& m : env.Library) {
        if (keep(m))
            lines.push_back({TrimStr(m.Nickname), m.Number});
    }
    return lines;
}

constexpr KeystrokeChoice Keystrokes[] = {
    {"F1", "<F1>"},
    {"F2", "<F2>"},
    {"F3", "<F3>"},
    {"F4", "<F4>"},
    {"F5", "<F5>"},
    {"F6", "<F6>"},
    {"F7", "<F7>"},
    {"F8", "<F8>"},
    {"F9", "<F9>"},
    {"F10", "<F10>"},
    {"F11", "<F11>"},
    {"F12", "<F12>"},
    {"Insert", "<INSERT>"},
    {"Delete", "<DELETE>"},
    {"Home", "<HOME>"},
    {"End", "<END>"},
    {"Page Up", "<PAGE UP>"},
    {"Page Down", "<PAGE DOWN>"},
    {"Left Arrow", "<LEFT ARROW>"},
    {"Right Arrow", "<RIGHT ARROW>"},
    {"Up Arrow", "<UP ARROW>"},
    {"Backspace", "<BACKSPACE>"},
    {"Tab", "<TAB>"},
    {"Esc", "<ESC>"},
    {"Print Screen", "<PRTSCR>"},
};

constexpr std::string_view Folders[] = {
    "Control Panel",  "Desktop",          "Desktop Programs",     "Favorites",
    "Fonts",          "My Computer",      "Network Neighborhood", "Printers",
    "Programs",       "Recent Documents", "Recycle Bin",          "Start Menu",
    "Startup Folder", "User Documents"};

constexpr SpinBounds Spins[] = {
    {"OnceDay", 1, 31},       {"OnceYear", 1, std::nullopt}, {"MonthlyDay", 1, 31},
    {"HourlyMinutes", 0, 59}, {"OtherMinutes", 1, 720},      {"IdleMinutes", 1, 90},
};

void CheckFirst(WizardAnswers& a, std::initializer_list<const char*> radios, std::size_t which) {
    a.Check(*(radios.begin() + std::min(which, radios.size() - 1)));
}

}  // namespace

std::vector<std::string> HotKeyListLines(const WizardEnv& env) {
    return Listing(env).Lines;
}

std::array<std::uint8_t, HotKeyCount> HotKeyUsed(const WizardEnv& env) {
    return Listing(env).Used;
}

std::vector<ListLine> PopupMenuLines(const WizardEnv& env) {
    return LinesOf(env, [](const LibraryEntry& m) { return m.Kind == MacroKind::PopupMenu; });
}

std::vector<ListLine> MenuMemberLines(const WizardEnv& env) {
    return LinesOf(env, [](const LibraryEntry& m) { return m.Kind != MacroKind::System; });
}

std::vector<ListLine> CombinableMacroLines(const WizardEnv& env) {
    return LinesOf(env, [](const LibraryEntry& m) {
        return m.Kind != MacroKind::System && !TrimStr(m.Nickname).empty();
    });
}

void LoadCaptureAnswers(const SettingsBlock& s, WizardAnswers& a) {
    a.Check("P2HotKey");
    a.Check("P7Global");
    a.Check(s.CaptureKeys ? "P59Yes" : "P59No");
    a.Check("P59AltKey", s.CaptureDoubleAlt);
    a.Check(s.CaptureMouse ? "P60Yes" : "P60No");
    CheckFirst(a, {"P60Screen", "P60Window", "P60Position"},
               static_cast<std::size_t>(std::clamp(s.RelativeTo, 1, 3) - 1));
    a.Check(s.CaptureClicksOnly ? "P60CapOnly" : "P60CapAll");
    if (!s.CaptureTime)
        a.Check("P61Fast");
    else
        CheckFirst(a, {"P61Same", "P61Half", "P61Two", "P61Four"},
                   static_cast<std::size_t>(std::clamp(s.CaptureSpeed, 1, 4) - 1));
}

void LoadFirstTimeAnswers(const SettingsBlock& s, WizardAnswers& a) {
    a.Check("P66Solitary", s.SolitaryUsage);
    a.Check("P66UsePrefix", !s.UseSuffix);
    a.Check("P66CaseSense", s.CaseSensitive == 1 || s.CaseSensitive == 2);
    a.SetText("P66PrefixKeys", s.PrefixKeys.str());
    a.Check("P67DoKey", s.CaptureKeys);
    a.Check("P67DoMouse", s.CaptureMouse);
    a.Check("P67DoTime", s.CaptureTime);
    a.Check("P67ClicksOnly", s.CaptureClicksOnly);
    CheckFirst(a, {"P67ToScreen", "P67ToWindow", "P67ToPosition"},
               static_cast<std::size_t>(std::clamp(s.RelativeTo, 1, 3) - 1));
    CheckFirst(a, {"P67ActualSpeed", "P67HalfSpeed", "P67DoubleSpeed", "P67QuadSpeed"},
               static_cast<std::size_t>(std::clamp(s.CaptureSpeed, 1, 4) - 1));
    a.Check("P68Network", s.NetworkMode);
    a.SetText("P74SMTPHost", s.SMTPHost.str());
    a.SetText("P74SMTPPort", std::to_string(s.SMTPPort));
    a.SetText("P74EmailName", s.EMailName.str());
    a.SetText("P74EmailAddress", s.EMailAddress.str());
}

std::string ReminderNickname(std::string_view reminder) {
    std::string_view first = reminder.substr(0, 10);
    return std::string(first.substr(0, first.find_first_of("\r\n")));
}

std::string DisplayModeRow(int width, int height, int bitsPerPixel, int hertz) {
    long long colours = bitsPerPixel >= 1 && bitsPerPixel < 63 ? 1LL << bitsPerPixel : 0;
    return PadLeftStr(std::to_string(width), 4) + " x " + PadLeftStr(std::to_string(height), 4) +
           "  " + std::to_string(colours) + "\t Colors  " + std::to_string(hertz) + " hertz";
}

std::vector<std::string> DriveList(std::uint32_t inUse, std::string_view networkLetters) {
    std::vector<std::string> drives;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        bool used = (inUse >> (letter - 'A')) & 1;
        bool network = networkLetters.find(letter) != std::string_view::npos;
        if (!used || network)
            drives.push_back(std::string(1, letter) + ":");
    }
    return drives;
}

bool IsListedProgram(std::string_view target) {
    std::string upper = UpperAscii(target);
    return upper.find(".EXE") != std::string::npos &&
           upper.find("WINHELP.EXE") == std::string::npos;
}

void AddProgramLine(std::vector<ListLine>& lines, const std::string& line) {
    bool listed = std::any_of(lines.begin(), lines.end(),
                              [&](const ListLine& l) { return SameTextAscii(l.Text, line); });
    if (!listed)
        lines.push_back({line});
}

std::span<const KeystrokeChoice> KeystrokeChoices() {
    return Keystrokes;
}

std::span<const std::string_view> SpecialFolders() {
    return Folders;
}

std::span<const SpinBounds> SpinBoundsTable() {
    return Spins;
}

void LoadOnceMoment(DateTime now, WizardAnswers& a) {
    const ScheduleEntry once = NextWholeHourOnce(now);
    a.Choose("OnceMonth", once.MonthIndex);
    a.SetText("OnceDay", once.Day);
    a.SetText("OnceYear", once.Year);
    a.SetText("OnceTimeHour", once.Hour);
    a.SetText("OnceTimeMin", once.Minute);
    a.Choose("OnceTimePM", once.Pm ? 1 : 0);
}

void DisableOldShellChoices(WizardAnswers& a, bool browser4OrLater) {
    if (browser4OrLater)
        return;
    for (const char* name :
         {"P25Special", "P25SpecList", "P47Minimize", "P47Restore", "P47Undock", "P47Suspend"})
        a.Enable(name, false);
}

std::vector<Arranged> Arrangement(int panel, int kind, const WizardAnswers& a,
                                  const WizardEnv& env) {
    auto choose = [&](std::initializer_list<const char*> radios,
                      std::initializer_list<const char*> texts) {
        std::size_t i = 0;
        for (const char* radio : radios) {
            if (a.Checked(radio))
                break;
            ++i;
        }
        return std::string(*(texts.begin() + std::min(i, texts.size() - 1)));
    };
    switch (panel) {
        case 6: {
            bool disconnect = a.Checked("P5Disconnect");
            return {
                {"P6LocalLabel", disconnect ? "Disconnect Local Drive" : "Connect Local Drive", {}},
                {"P6ProgPath", {}, !disconnect},
                {"P6NetLabel", {}, !disconnect},
                {"P6Browse", {}, !disconnect}};
        }
        case 8: {
            // The program part or the window part, never both; the focus on
            // the box the user answers in.
            bool program = a.Checked("P7SpecProg");
            const char* box = !program                  ? "P8Title"
                              : a.Checked("P8ProgPath") ? "P8Path"
                                                        : "P8InstallBox";
            return {
                {"P8ProgPart", {}, program}, {"P8WindowPart", {}, !program}, {box, {}, {}, true}};
        }
        case 10:
            if (kind == WizardKind::PopupMenu)
                return {{"P10IconLabel",
                         "If you have chosen to place an icon in the system tray for this menu, "
                         "then this will be the icon shown there.",
                         {}}};
            return {};
        case 12: {
            bool text = a.Checked("P13Text");
            return {
                {"P12MyMemo", {}, text},
                {"P12Symbols", {}, text},
                {"P12Text1Label", {}, text},
                {"P12Path", {}, !text},
                {"P12Browse", {}, !text},
                {"P12Text2Label",
                 a.Checked("P13File")
                     ? "Enter the path and name of the text file to be pasted into your program."
                     : "Enter the path and name of the bitmap file to be pasted into your program.",
                 !text}};
        }
        case 20: {
            bool days = a.Checked("P20Future") || a.Checked("P20Past");
            return {{"P20Days", {}, days},
                    {"P20FutLabel",
                     a.Checked("P20Past") ? "Days in the past" : "Days in the future", days}};
        }
        case 22: {
            bool web = a.Checked("P21Web");
            return {{"P22Title",
                     web ? "Enter the URL of the web site (without the http://)"
                         : "Enter the URL of the ftp site (without the ftp://)",
                     {}},
                    {"P22URLLabel", web ? "http://" : "ftp://", {}},
                    {"P22Example",
                     web ? "Example: www.example.com" : "Example: ftp.example.com/file.zip",
                     {}}};
        }
        case 25:
            return {{"P25Special", {}, env.Browser4OrLater},
                    {"P25SpecList", {}, env.Browser4OrLater}};
        case 47:
            return {{"P47Notice", {}, !env.Browser4OrLater}};
        case 29: {
            bool disconnect = a.Checked("P5Disconnect");
            return {{"NetPanel", {}, !disconnect},
                    {"P29ForceDisc", {}, disconnect},
                    {"P29MakePerm",
                     disconnect ? "&Make Disconnection Permanent (Do not Map Drive on Bootup)"
                                : "&Make Connection Permanent (Map Drive on Windows Bootup)",
                     {}},
                    {"P29ConnLabel", disconnect ? "Disconnect Options" : "Connect Options", {}}};
        }
        case 33:
            if (kind == WizardKind::WindowSize)
                return {{"P33TitleLabel",
                         "Enter the title of the window of the program you wish to move or resize. "
                         "The \"title\" is what appears in the blue caption bar at the top of a "
                         "window.  A partial title may be entered.",
                         {}}};
            return {};
        case 36: {
            bool reposition = a.Checked("P35RepTop") || a.Checked("P35RepChoice");
            return {{"P36MainLabel",
                     reposition ? "Enter the new screen position" : "Enter the new window size",
                     {}},
                    {"P36WidthLabel", reposition ? "Top" : "Width", {}},
                    {"P36HeightLabel", reposition ? "Left" : "Height", {}}};
        }
        case 39:
            return {{"P39Header",
                     "Would you like to " + choose({"P38Max", "P38Min", "P38Restore", "P38Close"},
                                                   {"maximize", "minimize", "restore", "close"}),
                     {}}};
        case 40:
            return {{"P40Header",
                     "Enter the title of the window that should be " +
                         choose({"P38Max", "P38Min", "P38Restore", "P38Close"},
                                {"maximized", "minimized", "restored", "closed"}) +
                         ".  The \"title\" is what appears in the blue caption bar at the top of a "
                         "window.  A partial title may be entered.",
                     {}}};
        case 49: {
            std::string label =
                choose({"P48ChangeDir", "P48CopyFile", "P48RenameFile", "P48CreateFolder",
                        "P48DeleteFile"},
                       {"Name of folder to change to", "Path and name of file to copy",
                        "Path and name of file to rename", "Name of folder to create",
                        "Path and name of file to delete"});
            bool second = a.Checked("P48CopyFile") || a.Checked("P48RenameFile");
            return {{"P49FileLabel", label, {}},
                    {"P49NewNameLabel",
                     a.Checked("P48CopyFile") ? "Path and name of new file" : "New name of file",
                     second},
                    {"P49NewName", {}, second}};
        }
        case 63: {
            // The capture system macro's hot key ends a recording too.
            std::optional<LibraryEntry> capture = CaptureSystemMacro(env);
            return {{"P63Stop1", KeyName(a.Index("P3KeyList")), {}},
                    {"P63Stop2", capture ? KeyName(capture->Activation) : std::string(), {}}};
        }
        default:
            return {};
    }
}

std::optional<LibraryEntry> CaptureSystemMacro(const WizardEnv& env) {
    for (const LibraryEntry& m : env.Library) {
        if (m.Kind == MacroKind::System &&
            SystemMacroActionOf(m.ScopeText) == SystemMacroAction::StartStopCapture)
            return m;
    }
    return std::nullopt;
}

}  // namespace orv::editor
