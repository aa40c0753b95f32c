#include "editor/wizard/wizard_checks.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "common/schedule.h"
#include "common/script/writer.h"
#include "common/string_routines.h"
#include "common/whole_numbers.h"
#include "editor/commands/email_commands.h"
#include "editor/wizard/wizard_kinds.h"
#include "editor/wizard/wizard_loaders.h"

namespace orv::editor {
namespace {

using T = CheckTest;

constexpr std::string_view NoFolder = "A folder name has not been entered. Please correct.";
constexpr std::string_view BadFolder = "Specified folder does not exist.  Please correct.";
constexpr std::string_view NoFile = "A file name has not been entered. Please correct.";
constexpr std::string_view BadFile = "Specified file does not exist.  Please correct.";
constexpr std::string_view NoTitle = "No window title name has been entered. Please enter one.";
constexpr std::string_view NoProgram = "No program name has been entered. Please enter one.";
constexpr std::string_view NoListedProgram = "A program has not been selected. Please select one.";
constexpr std::string_view NoText = "No text has been entered.";
constexpr std::string_view NoPassword = "No password has been entered. Please correct.";

const std::vector<PanelCheck>& Table() {
    static const std::vector<PanelCheck> table = {
        {6,
         {},
         {},
         "P6DriveBox",
         T::Chosen,
         "No drive letter has been selected. Please select one."},
        {6, {}, {"P5Disconnect"}, "P6ProgPath", T::Filled, "A network drive has not been entered."},
        {8, {"P7SpecProg", "P8ProgPath"}, {}, "P8Path", T::Filled, NoProgram},
        {8, {"P7SpecProg", "P8Installed"}, {}, "P8InstallBox", T::Chosen, NoListedProgram},
        {8, {"P7SpecWin"}, {}, "P8Title", T::Filled, NoTitle},
        {9,
         {"P9AddYes"},
         {},
         "P9PopupList",
         T::Chosen,
         "No popup macro has been selected. Please select one."},
        {10, {}, {}, "P10Nick", T::Typed, "No nickname has been entered."},
        {12, {"P13Text"}, {}, "P12MyMemo", T::Typed, NoText},
        {12, {}, {"P13Text"}, "P12Path", T::File, BadFile},
        {14, {}, {}, "P14MyMemo", T::Typed, NoText},
        {15,
         {},
         {},
         "P15SettingBox",
         T::Chosen,
         "No printer has been selected. Please select one."},
        {16,
         {},
         {},
         "P16SettingBox",
         T::Chosen,
         "No display setting has been selected. Please select one."},
        {18,
         {},
         {},
         "P18Format",
         T::Chosen,
         "No date format has been selected. Please select one."},
        {19,
         {},
         {},
         "P19Format",
         T::Chosen,
         "No time format has been selected. Please select one."},
        {20, {"P20Past"}, {}, "P20Days", T::Count0, "Invalid days specified. Please correct."},
        {20, {"P20Future"}, {}, "P20Days", T::Count0, "Invalid days specified. Please correct."},
        {22, {"P21Web"}, {}, "P22URL", T::Filled, "No web URL has been entered. Please enter one."},
        {22, {"P21FTP"}, {}, "P22URL", T::Filled, "No FTP URL has been entered. Please enter one."},
        {23, {}, {}, "P23Bit", T::Filled, "A bitmap name has not been entered. Please correct."},
        {23, {}, {}, "P23Bit", T::File, "Specified bitmap file does not exist.  Please correct."},
        {23,
         {"P23Positioned"},
         {},
         "P23Top",
         T::Count1,
         "Invalid top position specified. Please correct."},
        {23,
         {"P23Positioned"},
         {},
         "P23Left",
         T::Count1,
         "Invalid left position specified. Please correct."},
        {24, {}, {}, "P24Path", T::Filled, NoFile},
        {24, {}, {}, "P24Path", T::File, "Specified AVI file does not exist.  Please correct."},
        {25, {"P25Folder"}, {}, "P25Path", T::Filled, NoFolder},
        {25, {"P25Folder"}, {}, "P25Path", T::Folder, BadFolder},
        {25,
         {"P25Special"},
         {},
         "P25SpecList",
         T::Chosen,
         "A special folder has not been selected. Please select one."},
        {26, {}, {}, "P26MyMemo", T::Typed, NoText},
        {26, {"P26Wave"}, {}, "P26ProgPath", T::Filled, NoFile},
        {26,
         {"P26Wave"},
         {},
         "P26ProgPath",
         T::File,
         "Specified WAV file does not exist.  Please correct."},
        {28,
         {},
         {},
         "P28PhoneList",
         T::Chosen,
         "A phone book entry has not been selected. Please select one."},
        {28, {}, {}, "P28UserName", T::Filled, "No user name has been entered. Please correct."},
        {28, {}, {}, "P28Password", T::Filled, NoPassword},
        {29,
         {},
         {"P5Disconnect", "P29UseDefault"},
         "P29LogName",
         T::Filled,
         "No logon name has been entered. Please correct."},
        {29, {}, {"P5Disconnect", "P29UseDefault"}, "P29LogPass", T::Filled, NoPassword},
        {31, {"P31Yes"}, {}, "P31Path", T::Filled, NoFolder},
        {31, {"P31Yes"}, {}, "P31Path", T::Folder, BadFolder},
        {32, {"P32ProgPath"}, {}, "P32Path", T::Filled, NoProgram},
        {32, {"P32Installed"}, {}, "P32InstallBox", T::Chosen, NoListedProgram},
        {33, {}, {}, "P33Title", T::Filled, NoTitle},
        {34, {}, {}, "P34Path", T::Filled, NoFile},
        {34, {}, {}, "P34Path", T::File, BadFile},
        {36,
         {},
         {"P35SizeTop", "P35SizeChoice"},
         "P36Width",
         T::Count0,
         "Invalid top position specified. Please correct."},
        {36,
         {},
         {"P35RepTop", "P35RepChoice"},
         "P36Width",
         T::Count0,
         "Invalid width specified. Please correct."},
        {36,
         {},
         {"P35SizeTop", "P35SizeChoice"},
         "P36Height",
         T::Count0,
         "Invalid left position specified. Please correct."},
        {36,
         {},
         {"P35RepTop", "P35RepChoice"},
         "P36Height",
         T::Count0,
         "Invalid height specified. Please correct."},
        {37, {}, {}, "P37Title", T::Filled, NoTitle},
        {40, {}, {}, "P40Title", T::Filled, NoTitle},
        {41,
         {"P41Idle"},
         {},
         "P41Minutes",
         T::Minutes60,
         "Invalid minutes specified. Value must be between 1 and 60. Please correct."},
        // A CD has no track 0; the go-to dialog refuses it too.
        {42, {"P42GoTo"}, {}, "P42Track", T::Count1, "Invalid track specified. Please correct."},
        {45,
         {},
         {"P45MIDIOff", "P45MIDIOn", "P45MIDIUp", "P45MIDIDown", "P45MIDIMute", "P45MIDILeft",
          "P45MIDIRight", "P45MIDICenter"},
         "P45MIDIOff",
         T::Refuse,
         "No MIDI control has been selected. Please select one."},
        {46, {}, {}, "P46FName", T::Filled, NoFile},
        {46, {}, {}, "P46FName", T::File, "Specified WAV file does not exist.  Please correct."},
        {49, {"P48ChangeDir"}, {}, "P49Path", T::Filled, NoFolder},
        {49, {"P48ChangeDir"}, {}, "P49Path", T::Folder, BadFolder},
        {49, {"P48CreateFolder"}, {}, "P49Path", T::Filled, NoFolder},
        {49, {}, {"P48ChangeDir", "P48CreateFolder"}, "P49Path", T::Filled, NoFile},
        {49, {}, {"P48ChangeDir", "P48CreateFolder"}, "P49Path", T::File, BadFile},
        {49,
         {},
         {"P48ChangeDir", "P48CreateFolder", "P48DeleteFile"},
         "P49NewName",
         T::Filled,
         "No new file name specified.  Please correct."},
        {50,
         {},
         {},
         "P50Macros",
         T::AnySelected,
         "No macros have been selected for the menu. Please correct."},
        {60,
         {"P59No", "P60No"},
         {},
         "P60Yes",
         T::Refuse,
         "You must capture either keystrokes, mouse or both."},
        {62, {}, {}, "P62ProgList", T::Chosen, "No window title has been selected."},
    };
    return table;
}

bool Applies(const PanelCheck& check, const WizardAnswers& a) {
    auto checked = [&](std::string_view name) { return a.Checked(std::string(name)); };
    return std::all_of(check.When.begin(), check.When.end(), checked) &&
           std::none_of(check.Unless.begin(), check.Unless.end(), checked);
}

bool WholeIn(const std::string& text, std::int32_t low, std::int32_t high) {
    std::optional<std::int32_t> value = ParseWholeNumber(text);
    return value && *value >= low && *value <= high;
}

bool Passes(const PanelCheck& check, const WizardAnswers& a, const WizardEnv& env) {
    std::string name(check.Control);
    switch (check.Test) {
        case T::Typed:
            return !a.Text(name).empty();
        case T::Filled:
            return !a.Trimmed(name).empty();
        case T::Chosen:
            return a.ChosenLine(name).has_value();
        case T::AnySelected:
            return !a.SelectedLines(name).empty();
        case T::File:
            return !a.Trimmed(name).empty() && env.ShortFile && env.ShortFile(a.Trimmed(name));
        case T::Folder: {
            std::string path = a.Trimmed(name);
            if (path.size() > 1 && path.back() == '\\')
                path.pop_back();
            return env.FolderExists && env.FolderExists(path);
        }
        case T::Count0:
            return WholeIn(a.Trimmed(name), 0, std::numeric_limits<std::int32_t>::max());
        case T::Count1:
            return WholeIn(a.Trimmed(name), 1, std::numeric_limits<std::int32_t>::max());
        case T::Minutes60:
            return WholeIn(a.Trimmed(name), 1, 60);
        case T::Refuse:
            return false;
    }
    return true;
}

std::optional<WizardRefusal> Refuse(std::string message, std::string focus) {
    return WizardRefusal{std::move(message), std::move(focus)};
}

// Both messages name the apostrophe, which is not accepted; they stay as users know them.
constexpr const char* BadCuewordChars =
    "The Cueword name has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and "
    "' ! @ # $ % ^ & _ = < > ? . ; , * - / +";
constexpr const char* BadPrefixChars =
    "The Prefix Keys has invalid characters in it.  Valid characters are A - Z, a - z, 0 - 9 and "
    "' ! @ # $ % ^ & _ = < > ? . ; , * - / +";

bool AllCuewordChars(const std::string& text) {
    return std::all_of(text.begin(), text.end(), IsCuewordChar);
}

}  // namespace

ScheduleControls ScheduleAnswers(const WizardAnswers& a) {
    constexpr const char* kinds[] = {"Startup", "Once",    "Hourly", "Daily",
                                     "Weekly",  "Monthly", "Other",  "Idle"};
    ScheduleControls s;
    for (int k = 0; k < 8; ++k) {
        if (a.Checked(kinds[k])) {
            s.Entry.Kind = static_cast<ScheduleKind>(k);
            break;
        }
    }
    constexpr const char* days[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                    "Friday", "Saturday", "Sunday"};
    for (int d = 0; d < 7; ++d) s.Entry.Days[static_cast<std::size_t>(d)] = a.Checked(days[d]);
    std::string prefix = s.Entry.Kind == ScheduleKind::Once      ? "Once"
                         : s.Entry.Kind == ScheduleKind::Weekly  ? "Weekly"
                         : s.Entry.Kind == ScheduleKind::Monthly ? "Monthly"
                                                                 : "Daily";
    bool once = s.Entry.Kind == ScheduleKind::Once;
    s.Hour = prefix + (once ? "TimeHour" : "Hour");
    s.Minute = prefix + (once ? "TimeMin" : "Min");
    s.Entry.Hour = a.Text(s.Hour);
    s.Entry.Minute = a.Text(s.Minute);
    s.Entry.Pm = a.Index(prefix + (once ? "TimePM" : "PM")) == 1;
    s.Entry.Year = a.Text("OnceYear");
    s.Entry.MonthIndex = a.Index("OnceMonth");
    s.Day = once ? "OnceDay" : "MonthlyDay";
    s.Entry.Day = a.Text(s.Day);
    s.Entry.WeekdayIndex = a.Index("WeeklyDayOfWeek");
    s.Minutes = s.Entry.Kind == ScheduleKind::Hourly  ? "HourlyMinutes"
                : s.Entry.Kind == ScheduleKind::Other ? "OtherMinutes"
                                                      : "IdleMinutes";
    s.Entry.Minutes = a.Text(s.Minutes);
    return s;
}

Activation ActivationOf(int kind, const WizardAnswers& a) {
    if (kind == WizardKind::Reminder)
        return Activation::Timed;
    if (kind == WizardKind::Capture || kind == WizardKind::PopupMenu)
        return Activation::HotKey;
    constexpr const char* radios[] = {"P2HotKey", "P2Cueword", "P2Timed", "P2None", "P2Title"};
    for (int i = 0; i < 5; ++i) {
        if (a.Checked(radios[i]))
            return static_cast<Activation>(i);
    }
    return Activation::HotKey;
}

namespace {

CheckOutcome Panel3(int kind, const WizardAnswers& a, const WizardEnv& env) {
    Activation activation = ActivationOf(kind, a);
    if (activation == Activation::HotKey) {
        int code = a.Index("P3KeyList");
        if (!IsHotKeyCode(code))
            return WizardRefusal{"A hot key has not been selected. Please select one.",
                                 "P3KeyList"};
        if (HotKeyUsed(env)[static_cast<std::size_t>(code)]) {
            if (kind == WizardKind::Capture || kind == WizardKind::PopupMenu)
                return WizardRefusal{
                    "A Global Macro already exists for this Hot Key combination. "
                    "Popup Menus can only be assigned on a global basis.",
                    "P3KeyList"};
            return Question{"Warning",
                            "A Global Macro already exists for this Hot Key combination. You will "
                            "not be able to make this macro \"Global\".  Do you wish to continue?"};
        }
    } else if (activation == Activation::Cueword) {
        std::string name = a.Trimmed("P3CuewordName");
        if (name.empty())
            return WizardRefusal{"A Cueword name has not been entered. Please enter one.",
                                 "P3CuewordName"};
        if (!AllCuewordChars(name))
            return WizardRefusal{BadCuewordChars, "P3CuewordName"};
    } else if (activation == Activation::Timed) {
        ScheduleControls s = ScheduleAnswers(a);
        if (auto refusal = CheckSchedule(s.Entry, DecodeDateTime(env.Now()))) {
            const std::string* focus[] = {&s.Hour,  &s.Minute, &s.Year,
                                          &s.Month, &s.Day,    &s.Minutes};
            return WizardRefusal{refusal->Message, *focus[static_cast<int>(refusal->Focus)]};
        }
    }
    return Pass{};
}

std::optional<WizardRefusal> NamedCheck(int panel, int kind, const WizardAnswers& a,
                                        const WizardEnv& env) {
    switch (panel) {
        case 10:
            // A reminder that deletes itself finds itself by its nickname.
            if (kind == WizardKind::Reminder && a.Checked("P26Delete")) {
                std::string nick = a.Trimmed("P10Nick");
                if (nick.empty())
                    return Refuse(
                        "A reminder that deletes itself needs a nickname.  Please enter one.",
                        "P10Nick");
                for (const LibraryEntry& m : env.Library) {
                    if (SameTextAscii(TrimStr(m.Nickname), nick))
                        return Refuse("The nickname \"" + nick +
                                          "\" is used by another macro.  A reminder that deletes "
                                          "itself needs a nickname of its own.",
                                      "P10Nick");
                }
            }
            break;
        case 9:
            if (a.Checked("P9AddYes")) {
                std::optional<ListLine> menu = a.ChosenLine("P9PopupList");
                std::optional<MacroRecord> record =
                    menu && env.ReadMacro ? env.ReadMacro(menu->Number) : std::nullopt;
                if (record && static_cast<int>(record->PopupMembers().size()) >= MaxMenuMembers)
                    return Refuse(FullMenuMessage(menu->Text), "P9PopupList");
            }
            break;
        case 50:
            if (static_cast<int>(a.SelectedLines("P50Macros").size()) > MaxMenuMembers)
                return Refuse("A popup menu can hold at most " + std::to_string(MaxMenuMembers) +
                                  " macros.  Please correct.",
                              "P50Macros");
            break;
        case 58:
            if (a.CommandText.empty())
                return Refuse("A macro command has not been chosen yet.", "P58Choose");
            break;
        case 64:
            if (a.Lines("P64NewBox").empty())
                return Refuse("No macro commands have been moved over to form the new macro.",
                              "P64AvailBox");
            break;
        case 66:
            if (!AllCuewordChars(a.Trimmed("P66PrefixKeys")))
                return Refuse(BadPrefixChars, "P66PrefixKeys");
            break;
        case 74:
            if (!ParseSmtpPort(a.Text("P74SMTPPort")))
                return Refuse(std::string(InvalidPortMessage), "P74SMTPPort");
            break;
        case 76:
            if (a.SelectedLines("P76AddressBox").empty() && a.Trimmed("P76Address").empty())
                return Refuse("No E-Mail address has been entered or selected.", "P76Address");
            break;
        default:
            break;
    }
    return std::nullopt;
}

bool OnPanel(const std::string& control, int panel) {
    int on = 0;
    return FindControl(control, &on) && on == panel;
}

}  // namespace

std::string FullMenuMessage(const std::string& menu) {
    return "The popup menu \"" + menu + "\" already holds " + std::to_string(MaxMenuMembers) +
           " macros, the most a menu can hold.  The macro cannot be added to it.";
}

std::span<const PanelCheck> PanelChecks() {
    return Table();
}

CheckOutcome ValidData(int panel, int kind, const WizardAnswers& answers, const WizardEnv& env) {
    for (const PanelCheck& check : Table()) {
        if (check.Panel == panel && Applies(check, answers) && !Passes(check, answers, env))
            return WizardRefusal{std::string(check.Message), std::string(check.Control)};
    }
    if (panel == 3)
        return Panel3(kind, answers, env);
    if (auto refusal = NamedCheck(panel, kind, answers, env))
        return *refusal;
    // A value of this panel that its token cannot carry is refused here, where
    // the user can mend it.
    KindScript script = ComposeKindScript(kind, answers, env);
    if (script.Refused && OnPanel(script.Refused->Focus, panel))
        return *script.Refused;
    return Pass{};
}

void SettleGlobalScope(WizardAnswers& answers, bool sharedHotKey) {
    answers.Enable("P7Global", !sharedHotKey);
    if (sharedHotKey)
        answers.Check("P7SpecWin");
}

}  // namespace orv::editor
