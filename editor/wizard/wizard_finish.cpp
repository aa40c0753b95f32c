#include "editor/wizard/wizard_finish.h"

#include <algorithm>
#include <cstdio>

#include "common/capture_text.h"
#include "common/files.h"
#include "common/hotkeys.h"
#include "common/schedule.h"
#include "common/script/compose.h"
#include "common/string_routines.h"
#include "editor/wizard/wizard_checks.h"
#include "editor/wizard/wizard_kinds.h"
#include "editor/wizard/wizard_loaders.h"
#include "editor/wizard/wizard_navigator.h"

namespace orv::editor {
namespace {

// A recording longer than this goes to an overflow file, leaving room in the
// script for the sweepstakes kind's two fixed tokens.
constexpr long long InlineCaptureLimit = 4980;

bool Shown(const std::vector<int>& path, int panel) {
    return std::find(path.begin(), path.end(), panel) != path.end();
}

// The record fields every new macro starts with.
MacroRecord NewMacro(const WizardAnswers& a, const WizardEnv& env) {
    MacroRecord r;
    r.Enabled = 1;
    r.Nickname = a.Trimmed("P10Nick");
    r.IconName = a.MacroIcon;
    r.ScopeMatch = 1;
    DefaultTimer(r, env.Now());
    r.CuewordCase = static_cast<std::int16_t>(env.Settings.CaseSensitive);
    r.CuewordRemove = env.Settings.NoRemove ? 2 : 1;
    r.MacroKind = MacroKind::Global;
    return r;
}

void SetScope(MacroRecord& r, const WizardAnswers& a, const std::vector<int>& path) {
    if (!Shown(path, 7) || a.Checked("P7Global"))
        return;
    if (a.Checked("P7SpecWin")) {
        r.MacroKind = MacroKind::Window;
        r.ScopeText = a.Trimmed("P8Title");
        return;
    }
    r.MacroKind = MacroKind::Program;
    // The player matches a program scope against the running program's file name.
    r.ScopeText =
        a.Checked("P8ProgPath")
            ? a.Trimmed("P8Path")
            : FileNameOf(ProgramOfLine(a.ChosenLine("P8InstallBox").value_or(ListLine{}).Text));
}

std::optional<WizardRefusal> CannotRead(const std::string& path) {
    return WizardRefusal{
        "The recording in \"" + path + "\" could not be read.  It is kept; please record again.",
        ""};
}

// The sweepstakes script around the recording; the capture file is removed
// only once its contents are safe.
std::variant<std::string, WizardRefusal> SweepstakesScript(const WizardEnv& env) {
    std::string capture = env.CaptureFile();
    std::string text = ComposeCommand(CommandCode::KeystrokeSpeed, SpeedRec{1, 50, 1.0}).Text;
    std::optional<std::string> contents = ReadWholeFile(capture);
    if (!contents)
        return *CannotRead(capture);
    if (static_cast<long long>(contents->size()) > InlineCaptureLimit) {
        const std::optional<std::string> overflow = FirstFreeOverflowFile(env.ProgramDir);
        if (!overflow)
            return WizardRefusal{
                "Every overflow file name (OV0.TXT to OV9999.TXT) is taken.  "
                "The recording is kept in \"" +
                    capture + "\".",
                ""};
        if (!ReplaceFileContents(*overflow, *contents))
            return WizardRefusal{"The recording could not be copied to \"" + *overflow +
                                     "\".  It is kept in \"" + capture + "\".",
                                 ""};
        text += ComposeCommand(CommandCode::LoadTextFile, StringRec{Str255(*overflow)}).Text;
    } else {
        std::string inline_ =
            contents->substr(0, std::min<std::size_t>(contents->size(), MaxScriptLength));
        text += inline_.substr(0, inline_.find('\0'));
    }
    std::remove(capture.c_str());
    return text + "<SPACE>";
}

FinishOutcome Capture(const WizardAnswers& a, const WizardEnv& env) {
    CaptureOutcome out;
    MacroRecord& r = out.Record;
    r = NewMacroRecord(env.Now());
    r.Enabled = 1;
    r.Nickname = a.Trimmed("P10Nick");
    r.IconName = a.MacroIcon;
    r.MacroKind = MacroKind::Global;
    r.ScopeMatch = 1;
    r.ActivationCode = static_cast<std::uint16_t>(a.Index("P3KeyList"));
    CapturePlan& p = out.Plan;
    p.MacroNumber = static_cast<int>(env.Library.size()) + 1;
    CaptureOptions& o = p.Options;
    o.Keys = a.Checked("P59Yes");
    o.Mouse = a.Checked("P60Yes");
    o.RelativeTo = a.Checked("P60Screen") ? 1 : a.Checked("P60Window") ? 2 : 3;
    o.ClicksOnly = a.Checked("P60CapOnly");
    o.Time = !a.Checked("P61Fast");
    o.DoubleAlt = a.Checked("P59AltKey");
    constexpr const char* speeds[] = {"P61Same", "P61Half", "P61Two", "P61Four", "P61Ten"};
    constexpr const char* tokens[] = {"<SPEED:00001>", "<SPEED:00002>", "<SPEED:00.50>",
                                      "<SPEED:00.25>", "<SPEED:00.10>"};
    for (int i = 0; i < 5; ++i) {
        if (a.Checked(speeds[i])) {
            p.Speed = i + 1;
            if (o.Time)
                p.SpeedToken = tokens[i];
        }
    }
    if (std::optional<LibraryEntry> system = CaptureSystemMacro(env))
        p.StopKey = DecipherKey(system->Activation);
    p.SecondKey = DecipherKey(a.Index("P3KeyList"));
    p.ProgramSpecific = a.Checked("P62Specific");
    p.StartWindow = a.ChosenLine("P62ProgList").value_or(ListLine{}).Text;
    return out;
}

FinishOutcome FirstTime(const WizardAnswers& a) {
    FirstTimeOutcome out;
    out.Answers = a;
    FirstTimeChoices& c = out.Choices;
    c = {a.Checked("P69Name"),   a.Checked("P69Email"),     a.Checked("P69Date"),
         a.Checked("P69Dial"),   a.Checked("P69SendEMail"), a.Checked("P69Net"),
         a.Checked("P69Logoff"), a.Checked("P69CD"),        a.Checked("P69Pause"),
         a.Checked("P69Mute"),   a.Checked("P69Print")};
    return out;
}

void PopupMenu(MacroOutcome& out, const WizardAnswers& a) {
    MacroRecord& r = out.Record;
    r.MacroKind = MacroKind::PopupMenu;
    out.TrayMenu = a.Checked("P52Yes");
    char show = a.Checked("P51Text") ? '1' : a.Checked("P51Icons") ? '2' : '3';
    char size = static_cast<char>('0' + std::clamp(a.Index("P51IconSize"), 0, 4));
    r.CuewordText = std::string{out.TrayMenu ? 'Y' : 'N', show, size};
    std::vector<int> members;
    for (const ListLine& line : a.SelectedLines("P50Macros")) members.push_back(line.Number);
    r.SetPopupMembers(members);
    // A menu's own icon unless the user chose one.
    if (a.MacroIcon == "MAIN")
        r.IconName = "MENU";
}

}  // namespace

std::optional<HotKeyWarning> WarnWindowsHotKey(int code) {
    if (!IsWindowsHotKey(code))
        return std::nullopt;
    return HotKeyWarning{"Warning", WindowsHotKeyQuestion(code)};
}

FinishOutcome FinishUp(int kind, const WizardAnswers& a, const WizardEnv& env,
                       bool windowsKeyAccepted) {
    if (kind == WizardKind::FirstTime)
        return FirstTime(a);
    if (kind == WizardKind::Capture)
        return Capture(a, env);
    std::vector<int> path = ShownPath(kind, a, env.HasPopupMenus());
    MacroOutcome out;
    MacroRecord& r = out.Record;
    r = NewMacro(a, env);
    switch (ActivationOf(kind, a)) {
        case Activation::HotKey: {
            int code = a.Index("P3KeyList");
            if (!windowsKeyAccepted) {
                if (std::optional<HotKeyWarning> warning = WarnWindowsHotKey(code))
                    return *warning;
            }
            r.ActivationCode = static_cast<std::uint16_t>(code);
            break;
        }
        case Activation::Cueword:
            r.CuewordText = a.Trimmed("P3CuewordName");
            r.ActivationCode = ActivationCode::Cueword;
            break;
        case Activation::Timed:
            r.ActivationCode = ActivationCode::Scheduled;
            StoreSchedule(ScheduleAnswers(a).Entry, r);
            break;
        case Activation::None:
            r.ActivationCode = ActivationCode::None;
            break;
        case Activation::Title:
            r.ActivationCode = ActivationCode::WindowTitle;
            break;
    }
    if (kind == WizardKind::PopupMenu) {
        PopupMenu(out, a);
    } else {
        SetScope(r, a, path);
        if (Shown(path, 37))
            r.ScopeText = a.Trimmed("P37Title");
        if (Shown(path, 9) && a.Checked("P9AddYes"))
            out.AddToMenu = a.ChosenLine("P9PopupList").value_or(ListLine{}).Number;
        if (kind == WizardKind::Sweepstakes) {
            auto script = SweepstakesScript(env);
            if (auto* refused = std::get_if<WizardRefusal>(&script))
                return *refused;
            r.SetScriptText(std::get<std::string>(script));
        } else {
            KindScript script = ComposeKindScript(kind, a, env);
            if (script.Refused)
                return *script.Refused;
            r.SetScriptText(script.Text);
        }
    }
    r.Changed = env.Now();
    return out;
}

}  // namespace orv::editor
