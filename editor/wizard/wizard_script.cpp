#include "editor/wizard/wizard_script.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "common/macro_record.h"
#include "common/script/compose.h"
#include "common/script/writer.h"
#include "common/string_routines.h"
#include "common/whole_numbers.h"
#include "editor/commands/dialup_command.h"
#include "editor/commands/email_commands.h"
#include "editor/commands/network_command.h"
#include "editor/wizard/wizard_kinds.h"
#include "editor/wizard/wizard_navigator.h"

namespace orv::editor {
namespace {

using C = CommandCode;

constexpr std::string_view ClipEndMark = "<ENDCLIP>";

// Appends tokens and text, stopping at the first value that cannot be written.
class ScriptBuilder {
  public:
    ScriptBuilder& Token(CommandCode code, const CommandRecord& record, const std::string& focus) {
        if (refused_)
            return *this;
        ComposeResult composed = ComposeCommand(code, record);
        if (composed.Ok())
            text_ += composed.Text;
        else
            refused_ = WizardRefusal{composed.Error, focus};
        return *this;
    }
    // Text typed as it stands, refused where it would take in what follows.
    ScriptBuilder& Typed(const std::string& text, const std::string& focus) {
        std::string problem = UnfinishedTextProblem(text);
        if (!problem.empty())
            return Refuse(std::move(problem), focus);
        return Token(CommandCode::Text, TextRec{text}, focus);
    }
    // A command whose token takes no value.
    ScriptBuilder& Token(CommandCode code) { return Token(code, NewRecord(code), ""); }
    ScriptBuilder& Literal(std::string_view text) {
        if (!refused_)
            text_ += text;
        return *this;
    }
    // Free text inside a token written by hand, with the composer's checks.
    ScriptBuilder& Free(std::string_view value, std::string_view stop, std::string_view what,
                        const std::string& focus) {
        std::string problem = FreeTextProblem(value, stop, what);
        if (!problem.empty() && !refused_)
            refused_ = WizardRefusal{problem, focus};
        return Literal(value);
    }
    // A command a dialog's own composer made, or its refusal on the control
    // of the wizard that holds the value.
    template <class Field, class Values>
    ScriptBuilder& Command(const CommandOutcome<Field, Values>& out,
                           std::span<const char* const> controls) {
        if (refused_)
            return *this;
        if (out.Refused)
            refused_ = WizardRefusal{out.Refused->Message,
                                     controls[static_cast<std::size_t>(out.Refused->Focus)]};
        else
            text_ += out.CommandText;
        return *this;
    }
    ScriptBuilder& Refuse(std::string message, const std::string& focus) {
        if (!refused_)
            refused_ = WizardRefusal{std::move(message), focus};
        return *this;
    }
    KindScript Result() const {
        if (refused_)
            return {{}, refused_};
        return {text_, {}};
    }

  private:
    std::string text_;
    std::optional<WizardRefusal> refused_;
};

// The first of the names that is checked; the last when none is.
std::size_t FirstChecked(const WizardAnswers& a, std::initializer_list<const char*> names) {
    std::size_t i = 0;
    for (const char* name : names) {
        if (a.Checked(name))
            return i;
        ++i;
    }
    return names.size() - 1;
}

int Number(const WizardAnswers& a, const char* name) {
    return WholeNumberOr(a.Trimmed(name));
}

CommandRecord StringOf(std::string text) {
    return StringRec{Str255(text)};
}

template <class Rec>
Rec Of(CommandCode code) {
    return std::get<Rec>(NewRecord(code));
}

struct Context {
    const WizardAnswers& a;
    const WizardEnv& env;
    std::vector<int> path;
    ScriptBuilder s;

    bool Shown(int panel) const { return std::find(path.begin(), path.end(), panel) != path.end(); }
    std::string ShortPath(const std::string& path) const {
        std::optional<std::string> shortPath = env.ShortFile ? env.ShortFile(path) : std::nullopt;
        return shortPath ? *shortPath : path;
    }
};

void PasteText(Context& c) {
    switch (FirstChecked(c.a, {"P13Text", "P13File", "P13Graphic"})) {
        case 0: {
            // The player copies up to the first end mark: one inside the text
            // would cut it short and play the rest.
            const std::string& text = c.a.Text("P12MyMemo");
            if (text.find(ClipEndMark) != std::string::npos)
                c.s.Refuse("The text holds \"" + std::string(ClipEndMark) +
                               "\", which would end the pasted text early.  Please remove it.",
                           "P12MyMemo");
            c.s.Token(C::ClipboardStartCopy).Typed(text, "P12MyMemo").Token(C::ClipboardEndCopy);
            break;
        }
        case 1:
            c.s.Token(C::ClipboardFileCopy, ClipboardRec{1, Str255(c.a.Trimmed("P12Path")), 0},
                      "P12Path");
            break;
        default:
            c.s.Token(C::ClipboardGraphicCopy, ClipboardRec{1, Str255(c.a.Trimmed("P12Path")), 0},
                      "P12Path");
    }
    c.s.Token(C::ClipboardPaste);
}

void LaunchOrActivate(Context& c) {
    const WizardAnswers& a = c.a;
    bool launching =
        a.Checked("P30LaunchOnly") || a.Checked("P30ActLaunch") || a.Checked("P30LaunchAct");
    if (launching && c.Shown(31) && a.Checked("P31Yes"))
        c.s.Token(C::ChangeDirectory, FileRec{1, Str255(a.Trimmed("P31Path")), {}}, "P31Path");
    std::string path;
    std::string pathControl = "P34Path";
    if (a.Checked("P30OpenDoc")) {
        path = a.Trimmed("P34Path");
    } else if (a.Checked("P32ProgPath")) {
        path = a.Trimmed("P32Path");
        pathControl = "P32Path";
    } else {
        path = ProgramOfLine(a.ChosenLine("P32InstallBox").value_or(ListLine{}).Text);
        pathControl = "P32InstallBox";
    }
    path = c.ShortPath(path);
    auto launch = [&] {
        c.s.Literal("<LAUNCH:").Free(path, "<", "program", pathControl).Literal(">");
    };
    std::string title = a.Trimmed("P33Title");
    if (a.Checked("P30Act")) {
        c.s.Token(C::WindowActivate, LaunchRec{1, Str255(title), {}, {}, 0, 12}, "P33Title");
    } else if (a.Checked("P30LaunchAct") || a.Checked("P30ActLaunch")) {
        c.s.Literal(a.Checked("P30LaunchAct") ? "<LAUNCHNO:01" : "<LAUNCHYES:01");
        c.s.Free(title, "<", "window title", "P33Title");
        launch();
    } else {
        launch();
    }
}

void DateOrTime(Context& c) {
    const WizardAnswers& a = c.a;
    std::size_t what = FirstChecked(a, {"P17Date", "P17Time", "P17Both"});
    if (what != 1) {
        DateTimeRec date{1, static_cast<std::uint32_t>(a.Index("P18Format") + 1), 0, 1, 0};
        switch (FirstChecked(a, {"P20Today", "P20NextDay", "P20Yest", "P20Past", "P20Future"})) {
            case 1:
                date.Days = 1;
                break;
            case 2:
                date.Future = 0;
                date.Days = 1;
                break;
            case 3:
                date.Future = 0;
                date.Days = Number(a, "P20Days");
                break;
            case 4:
                date.Days = Number(a, "P20Days");
                break;
            default:
                break;
        }
        c.s.Token(C::Date, date, "P20Days");
    }
    if (what == 2)
        c.s.Literal(" ");
    if (what != 0) {
        DateTimeRec time{0, static_cast<std::uint32_t>(a.Index("P19Format") + 1), 0, 1, 0};
        c.s.Token(C::Time, time, "P19Format");
    }
}

// As the network-drive dialog composes it, with its refusals.
void NetworkDrive(Context& c) {
    const WizardAnswers& a = c.a;
    NetConnInput in;
    in.Mode = a.Checked("P5Disconnect") ? NetMode::Disconnect
              : a.Checked("P5Connect")  ? NetMode::Connect
                                        : NetMode::Toggle;
    in.Drive = a.ChosenLine("P6DriveBox").value_or(ListLine{}).Text;
    in.Path = a.Text("P6ProgPath");
    in.UseDefault = a.Checked("P29UseDefault");
    in.LogName = a.Text("P29LogName");
    in.LogPass = a.Text("P29LogPass");
    in.MakePerm = a.Checked("P29MakePerm");
    in.ForceDisc = a.Checked("P29ForceDisc");
    in.DispStatus = a.Checked("P29DispStatus");
    // By NetConnField.
    static constexpr const char* controls[] = {"P6DriveBox", "P6ProgPath", "P29LogName",
                                               "P29LogPass"};
    c.s.Command(ComposeNetConn(in), controls);
}

// As the dial-up dialog composes it, with its refusals.
void DialUp(Context& c) {
    const WizardAnswers& a = c.a;
    std::optional<ListLine> entry = a.ChosenLine("P28PhoneList");
    DialupInput in{true, entry ? std::optional(entry->Text) : std::nullopt, a.Text("P28UserName"),
                   a.Text("P28Password")};
    // By DialupField.
    static constexpr const char* controls[] = {"P28PhoneList", "P28UserName", "P28Password"};
    c.s.Command(ComposeDialup(in), controls);
}

void Reminder(Context& c) {
    const WizardAnswers& a = c.a;
    switch (FirstChecked(a, {"P26Beep", "P26Wave", "P26NoSound"})) {
        case 0:
            c.s.Token(C::SoundBeep);
            break;
        case 1:
            c.s.Token(C::SoundWaveFile, SoundRec{2, Str255(a.Trimmed("P26ProgPath")), 1},
                      "P26ProgPath");
            break;
        default:
            break;
    }
    WTextRec box{Str255("Reminder"), a.Text("P26MyMemo")};
    c.s.Token(C::WindowOfText, box, "P26MyMemo");
    if (a.Checked("P26Delete"))
        c.s.Token(C::MacroDelete, MacroRefRec{2, Str255(a.Trimmed("P10Nick"))}, "P10Nick");
}

void Files(Context& c) {
    const WizardAnswers& a = c.a;
    constexpr CommandCode codes[] = {C::ChangeDirectory, C::CopyFile, C::RenameFile, C::DeleteFile,
                                     C::CreateDirectory};
    std::size_t which = FirstChecked(
        a, {"P48ChangeDir", "P48CopyFile", "P48RenameFile", "P48DeleteFile", "P48CreateFolder"});
    FileRec r{static_cast<std::uint32_t>(which + 1), Str255(a.Trimmed("P49Path")),
              Str255(a.Trimmed("P49NewName"))};
    bool secondBad = r.SecondPath.str().find('>') != std::string::npos &&
                     r.Path.str().find_first_of(">;") == std::string::npos;
    c.s.Token(codes[which], r, secondBad ? "P49NewName" : "P49Path");
}

void SoundsAndVolume(Context& c) {
    const WizardAnswers& a = c.a;
    if (a.Checked("P43Play")) {
        bool wait = a.Checked("P46Wait");
        c.s.Token(C::SoundWaveFile, SoundRec{2, Str255(a.Trimmed("P46FName")), wait}, "P46FName");
        return;
    }
    struct Control {
        const char* Name;
        CommandCode Code;
        std::uint32_t Action;
    };
    static constexpr Control controls[] = {
        {"P44AudioOff", C::AudioVolume, 1},      {"P44AudioOn", C::AudioVolume, 2},
        {"P44AudioUp", C::AudioVolume, 3},       {"P44AudioDown", C::AudioVolume, 4},
        {"P44AudioMute", C::AudioMuteToggle, 5}, {"P44AudioLeft", C::AudioBalance, 6},
        {"P44AudioRight", C::AudioBalance, 7},   {"P44AudioCenter", C::AudioBalance, 8},
        {"P44TrebleUp", C::AudioTreble, 9},      {"P44TrebleDown", C::AudioTreble, 10},
        {"P44BassUp", C::AudioBass, 19},         {"P44BassDown", C::AudioBass, 20},
        {"P45MIDIOff", C::MidiVolume, 11},       {"P45MIDIOn", C::MidiVolume, 12},
        {"P45MIDIUp", C::MidiVolume, 13},        {"P45MIDIDown", C::MidiVolume, 14},
        {"P45MIDIMute", C::MidiMuteToggle, 15},  {"P45MIDILeft", C::MidiBalance, 16},
        {"P45MIDIRight", C::MidiBalance, 17},    {"P45MIDICenter", C::MidiBalance, 18},
    };
    std::string_view panel = a.Checked("P43Audio") ? "P44" : "P45";
    for (const Control& control : controls) {
        if (std::string_view(control.Name).starts_with(panel) && a.Checked(control.Name)) {
            c.s.Token(control.Code, VolumeRec{control.Action}, control.Name);
            return;
        }
    }
}

void Wallpaper(Context& c) {
    const WizardAnswers& a = c.a;
    SystemRec r;
    r.Kind = 6;
    r.Bitmap = a.Trimmed("P23Bit");
    std::size_t style = FirstChecked(a, {"P23Tiled", "P23Stretch", "P23Centered", "P23Positioned"});
    constexpr std::uint32_t styles[] = {0, 2, 1, 3};
    r.Style = styles[style];
    r.X = Number(a, "P23Left");
    r.Y = Number(a, "P23Top");
    c.s.Token(C::Wallpaper, r,
              r.Bitmap.str().find('>') != std::string::npos ? "P23Bit" : "P23Left");
}

void WindowSize(Context& c) {
    const WizardAnswers& a = c.a;
    bool top = a.Checked("P35RepTop") || a.Checked("P35SizeTop");
    bool reposition = a.Checked("P35RepTop") || a.Checked("P35RepChoice");
    SizePosRec r;
    r.Current = top;
    r.Title = top ? "" : a.Trimmed("P33Title");
    r.WindowAction = reposition ? 2 : 1;
    r.X = Number(a, reposition ? "P36Height" : "P36Width");
    r.Y = Number(a, reposition ? "P36Width" : "P36Height");
    c.s.Token(reposition ? C::WindowReposition : C::WindowResize, r,
              r.Title.str().find('>') != std::string::npos ? "P33Title" : "P36Width");
}

void MaximizeMinimize(Context& c) {
    const WizardAnswers& a = c.a;
    constexpr CommandCode codes[] = {C::WindowMaximize, C::WindowMinimize, C::WindowRestore,
                                     C::WindowClose};
    std::size_t which = FirstChecked(a, {"P38Max", "P38Min", "P38Restore", "P38Close"});
    WindowRec r;
    r.Current = a.Checked("P39Top");
    r.Title = r.Current ? "" : a.Trimmed("P40Title");
    r.WindowAction = static_cast<std::uint32_t>(which + 1);
    c.s.Token(codes[which], r, "P40Title");
}

void ExplorerFolder(Context& c) {
    const WizardAnswers& a = c.a;
    if (a.Checked("P25Folder")) {
        c.s.Token(C::OpenFolderInExplorer, StringOf(a.Trimmed("P25Path")), "P25Path");
        return;
    }
    DesktopRec r{static_cast<std::uint32_t>(12 + std::max(0, a.Index("P25SpecList")))};
    c.s.Token(C::OpenExplorerTo, r, "P25SpecList");
}

void DesktopGoodies(Context& c) {
    struct Choice {
        CommandCode Code;
        std::uint32_t Action;
    };
    constexpr Choice choices[] = {{C::DeskTopCascade, 1},    {C::DeskTopTile, 2},
                                  {C::DeskTopTile, 3},       {C::DeskTopMinimizeAll, 4},
                                  {C::DeskTopRestoreAll, 5}, {C::SuspendComputer, 6},
                                  {C::UndockComputer, 7}};
    std::size_t which = FirstChecked(c.a, {"P47Cascade", "P47Vertical", "P47Horizontal",
                                           "P47Minimize", "P47Restore", "P47Suspend", "P47Undock"});
    c.s.Token(choices[which].Code, DesktopRec{choices[which].Action}, "");
}

void ScreenSaver(Context& c) {
    SystemRec r;
    r.Kind = static_cast<std::uint32_t>(FirstChecked(c.a, {"P41On", "P41Off", "P41Idle"}) + 1);
    r.Value = Number(c.a, "P41Minutes");
    c.s.Token(C::ScreenSaver, r, "P41Minutes");
}

void AudioCd(Context& c) {
    constexpr CommandCode codes[] = {C::CdPlay,      C::CdStop,      C::CdPause, C::CdPreviousTrack,
                                     C::CdNextTrack, C::CdGoToTrack, C::CdEject, C::CdCloseTray};
    std::size_t which = FirstChecked(c.a, {"P42Play", "P42Stop", "P42Pause", "P42Prev", "P42Next",
                                           "P42GoTo", "P42Eject", "P42Close"});
    CdRec r = Of<CdRec>(codes[which]);
    r.Number = Number(c.a, "P42Track");
    c.s.Token(codes[which], r, "P42Track");
}

bool HasCopies(const WizardAnswers& a, const char* box, const std::string& prefix) {
    return a.Checked(box) && (!a.Trimmed(prefix + "Address").empty() ||
                              !a.SelectedLines(prefix + "AddressBox").empty());
}

// As the e-mail dialog composes it, with its refusals. The three recipient
// boxes hold the same list; each section's rows are looked up in its own box.
void EMail(Context& c) {
    const WizardAnswers& a = c.a;
    if (a.Checked("P78RAS"))
        DialUp(c);
    EmailInput in;
    in.Request = a.Checked("P83Request");
    in.RecipientMode = a.Checked("P75Now") ? EmailMode::ChosenNow : EmailMode::Asked;
    std::vector<std::string> lines;
    const std::pair<const char*, bool> sections[] = {
        {"P76", true}, {"P81", HasCopyRecipients(a)}, {"P82", HasBlindRecipients(a)}};
    for (std::size_t i = 0; i < EmailSectionCount; ++i) {
        auto [prefix, used] = sections[i];
        std::string p(prefix);
        const std::vector<ListLine>& box = a.Lines(p + "AddressBox");
        if (used) {
            EmailSection& section = in.Sections[i];
            section.Person = a.Text(p + "Person");
            section.Address = a.Text(p + "Address");
            for (std::size_t row = 0; row < box.size(); ++row) {
                if (box[row].Selected)
                    section.SelectedRows.push_back(static_cast<int>(lines.size() + row));
            }
        }
        for (const ListLine& line : box) lines.push_back(line.Text);
    }
    constexpr std::uint32_t textModes[] = {EmailMode::FixedText, EmailMode::Asked,
                                           EmailMode::ClipboardText, EmailMode::FileText};
    in.TextMode = textModes[FirstChecked(a, {"P83Now", "P83Prompt", "P83Clip", "P83File"})];
    in.Memo = a.Text("P83Memo");
    in.FileName = a.Text("P83FileName");
    in.Subject = a.Trimmed("P83Subject").empty() ? "No Subject" : a.Text("P83Subject");
    constexpr std::uint32_t attachModes[] = {EmailMode::NoAttachments, EmailMode::AttachmentsChosen,
                                             EmailMode::AttachmentsAsked};
    in.AttachMode =
        attachModes[FirstChecked(a, {"P77NoAttach", "P77ChooseAttach", "P77PromptAttach"})];
    for (const ListLine& line : a.Lines("P77AttachBox")) in.Attachments.push_back(line.Text);
    // By EmailField.
    static constexpr const char* controls[] = {
        "P76Person",     "P76Address", "P76AddressBox", "P81Person",     "P81Address",
        "P81AddressBox", "P82Person",  "P82Address",    "P82AddressBox", "P83Memo",
        "P83FileName",   "P83Subject", "P77AttachBox"};
    c.s.Command(ComposeEmail(in, lines), controls);
    if (a.Checked("P78RAS"))
        c.s.Token(C::DialUpNetworking, DialUpRec{2, {}, {}, {}}, "");
}

void Compose(int kind, Context& c) {
    const WizardAnswers& a = c.a;
    switch (static_cast<WizardKind>(kind)) {
        case WizardKind::TypeText:
            c.s.Typed(a.Text("P14MyMemo"), "P14MyMemo");
            break;
        case WizardKind::Paste:
            PasteText(c);
            break;
        case WizardKind::Symbol:
            c.s.Literal(std::string(1, static_cast<char>(128 + a.SymbolIndex)));
            break;
        case WizardKind::Launch:
            LaunchOrActivate(c);
            break;
        case WizardKind::WebSite:
            c.s.Token(a.Checked("P21Web") ? C::WebSite : C::WebFtp, StringOf(a.Trimmed("P22URL")),
                      "P22URL");
            break;
        case WizardKind::DateOrTime:
            DateOrTime(c);
            break;
        case WizardKind::NetworkConnections:
            NetworkDrive(c);
            break;
        case WizardKind::RebootOrLogoff: {
            constexpr CommandCode codes[] = {C::Logoff, C::Reboot, C::ShutDown, C::PowerOff};
            c.s.Token(codes[FirstChecked(a, {"P11Logoff", "P11Reboot", "P11Shut", "P11Power"})]);
            break;
        }
        case WizardKind::Reminder:
            Reminder(c);
            break;
        case WizardKind::FileManagement:
            Files(c);
            break;
        case WizardKind::DialUp:
            if (a.Checked("P27Hang"))
                c.s.Token(C::DialUpNetworking, DialUpRec{2, {}, {}, {}}, "");
            else
                DialUp(c);
            break;
        case WizardKind::DisplayResolution:
            c.s.Token(C::DefaultDisplaySize, DisplaySizeRec{a.Index("P16SettingBox")},
                      "P16SettingBox");
            break;
        case WizardKind::DefaultPrinter:
            c.s.Token(C::DefaultPrinter,
                      StringOf(a.ChosenLine("P15SettingBox").value_or(ListLine{}).Text),
                      "P15SettingBox");
            break;
        case WizardKind::AudioCd:
            AudioCd(c);
            break;
        case WizardKind::VideoClip: {
            std::uint32_t mode = a.Checked("P24Immed") ? 1 : a.Checked("P24Exit") ? 2 : 3;
            c.s.Token(C::VideoClipPlay, VideoRec{Str255(a.Trimmed("P24Path")), mode}, "P24Path");
            break;
        }
        case WizardKind::SoundsAndVolume:
            SoundsAndVolume(c);
            break;
        case WizardKind::Wallpaper:
            Wallpaper(c);
            break;
        case WizardKind::WindowSize:
            WindowSize(c);
            break;
        case WizardKind::MaximizeMinimize:
            MaximizeMinimize(c);
            break;
        case WizardKind::ExplorerFolder:
            ExplorerFolder(c);
            break;
        case WizardKind::DesktopGoodies:
            DesktopGoodies(c);
            break;
        case WizardKind::ScreenSaver:
            ScreenSaver(c);
            break;
        case WizardKind::FromOtherMacros:
            for (const ListLine& line : a.Lines("P64NewBox"))
                c.s.Token(C::MacroRun, MacroRefRec{1, Str255(line.Text)}, "P64NewBox");
            break;
        case WizardKind::SingleCommand:
            c.s.Literal(a.CommandText);
            break;
        case WizardKind::EMail:
            EMail(c);
            break;
        default:
            break;
    }
}

}  // namespace

std::string MainTextControl(int kind) {
    switch (static_cast<WizardKind>(kind)) {
        case WizardKind::TypeText:
            return "P14MyMemo";
        case WizardKind::Paste:
            return "P12MyMemo";
        case WizardKind::Reminder:
            return "P26MyMemo";
        case WizardKind::FromOtherMacros:
            return "P64NewBox";
        case WizardKind::SingleCommand:
            return "P58Choose";
        case WizardKind::EMail:
            return "P83Memo";
        default:
            return "P10Nick";
    }
}

bool HasCopyRecipients(const WizardAnswers& a) {
    return HasCopies(a, "P75cc", "P81");
}
bool HasBlindRecipients(const WizardAnswers& a) {
    return HasCopies(a, "P75Blind", "P82");
}

std::string ProgramOfLine(const std::string& line) {
    std::size_t at = UpperAscii(line).find(".LNK");
    return at == std::string::npos ? std::string() : line.substr(at + 4);
}

std::string FileNameOf(const std::string& path) {
    std::size_t slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

KindScript ComposeKindScript(int kind, const WizardAnswers& answers, const WizardEnv& env) {
    Context c{answers, env, ShownPath(kind, answers, env.HasPopupMenus()), {}};
    Compose(kind, c);
    KindScript script = c.s.Result();
    if (!script.Refused && script.Text.size() > MaxScriptLength) {
        std::string limit = TrimStr(NumToSepText(0, 0, MaxScriptLength));
        script.Refused = WizardRefusal{
            "The size of the macro exceeds the " + limit + " character limit.  Please shorten it.",
            MainTextControl(kind)};
        script.Text.clear();
    }
    return script;
}

}  // namespace orv::editor
