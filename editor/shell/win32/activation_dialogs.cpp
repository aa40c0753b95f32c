#include "editor/shell/win32/activation_dialogs.h"

#include <windows.h>

#include <algorithm>

#include "common/clock.h"
#include "common/files.h"
#include "common/string_routines.h"
#include "common/ui/win32/canvas.h"
#include "common/ui/win32/pictures.h"
#include "common/ui/win32/shell_service.h"
#include "common/win32/process_names.h"
#include "common/win32/system_routines.h"
#include "editor/shell/installed_programs.h"
#include "editor/shell/win32/dialog_refusal.h"

namespace orv::editor {
namespace {

constexpr const char* KindCaptions[] = {"&At Startup", "&Once",    "&Hourly", "&Daily",
                                        "&Weekly",     "&Monthly", "Oth&er",  "&Time Out"};
constexpr const char* DayCaptions[] = {"&Mon", "&Tue", "&Wed", "Th&u", "&Fri", "&Sat", "Su&n"};
constexpr const char* MonthNames[] = {"January",   "February", "March",    "April",
                                      "May",       "June",     "July",     "August",
                                      "September", "October",  "November", "December"};
constexpr const char* WeekdayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                        "Thursday", "Friday", "Saturday"};

// Start Menus nest a few folders deep; a link loop must not hang the editor.
constexpr int StartMenuDepth = 8;

void FillList(TComboBox& box, std::span<const char* const> items) {
    box.ClearItems();
    for (const char* item : items) box.AddItem(item);
}

std::string TwoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

void CollectLinks(const std::string& folder, int depth, std::vector<FoundLink>& found) {
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string path = folder + "\\" + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (depth > 0)
                CollectLinks(path, depth - 1, found);
        } else if (UpperAscii(name).find(".LNK") != std::string::npos) {
            if (std::optional<ShellLink> link = CurrentShell().ReadLink(path))
                found.push_back({name, link->Target});
        }
    } while (FindNextFileA(search, &data));
    FindClose(search);
}

}  // namespace

// ---- schedule ----

TimeOfDayControls::TimeOfDayControls(TForm& form, TControl* panel, int left, int top)
    : Hour(form, panel, {left, top, 26, 21}),
      Colon(form, panel, {left + 28, top + 4, 6, 16}, ":"),
      Minute(form, panel, {left + 36, top, 26, 21}),
      Pm(form, panel, {left + 66, top, 50, 21}) {
    Hour.SetMaxLength(2);
    Minute.SetMaxLength(2);
    Pm.AddItem("AM");
    Pm.AddItem("PM");
}

void TimeOfDayControls::Show(const std::string& hour, const std::string& minute, bool pm) {
    Hour.SetText(hour);
    Minute.SetText(minute);
    Pm.SetItemIndex(pm ? 1 : 0);
}

TDoSchedule::TDoSchedule(MacroRecord& record)
    : TForm("TDoSchedule", "Set Schedule", 440, 210), record_(record) {
    for (int k = 0; k < 8; ++k) {
        Kinds.push_back(std::make_unique<TRadioButton>(
            *this, nullptr, Bounds{16, 26 + k * 21, 96, 18}, KindCaptions[k]));
        Kinds.back()->OnClick = [this, k] { ShowPanelOf(static_cast<ScheduleKind>(k)); };
    }
    for (int d = 0; d < 7; ++d)
        DayBoxes.push_back(std::make_unique<TCheckBox>(
            *this, &DailyPanel, Bounds{(d % 4) * 62, 36 + (d / 4) * 22, 58, 18}, DayCaptions[d]));
    FillList(OnceMonth, MonthNames);
    FillList(WeeklyDayOfWeek, WeekdayNames);
    OnceYear.SetMaxLength(4);
    UpdateButton.OnClick = [this] { UpdateButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TDoSchedule::FormShow() {
    const MacroRecord& r = record_;
    for (int d = 0; d < 7; ++d) DayBoxes[d]->SetChecked(r.DayFlags[d] == 1);
    OnceMonth.SetItemIndex(std::clamp(r.Month - 1, 0, 11));
    WeeklyDayOfWeek.SetItemIndex(std::clamp(r.Weekday - 1, 0, 6));
    OnceDay.SetText(std::to_string(r.Day));
    MonthlyDay.SetText(std::to_string(r.Day));
    OnceYear.SetText(std::to_string(r.Year));
    HourlyMinutes.SetText(std::to_string(r.MinutePastHour));
    OtherMinutes.SetText(std::to_string(r.Minutes));
    IdleMinutes.SetText(std::to_string(r.Minutes));
    // Without a time of the record's own, every kind offers the next whole
    // hour, a time its Update takes.
    const ScheduleEntry next = NextWholeHourOnce(CurrentClock().Now());
    const bool ownTime = HoldsTimeOfDay(r);
    for (TimeOfDayControls* time : {&OnceTime, &DailyTime, &WeeklyTime, &MonthlyTime}) {
        if (ownTime)
            time->Show(std::to_string(r.Hour), TwoDigits(r.Minute), r.Pm == 1);
        else
            time->Show(next.Hour, next.Minute, next.Pm);
    }
    if (!ownTime) {
        // The next whole hour after 23:00 is tomorrow's: today's weekday or
        // day at that hour would first come a week or a month away.
        WeeklyDayOfWeek.SetItemIndex(next.WeekdayIndex);
        MonthlyDay.SetText(next.Day);
    }
    const int kind = r.ScheduleKind >= 0 && r.ScheduleKind <= 7 ? r.ScheduleKind : 0;
    if (!HoldsOnceTime(r))
        ShowOnce(next);
    Kinds[kind]->SetChecked(true);
    ShowPanelOf(static_cast<ScheduleKind>(kind));
}

// The record's date and time are no single run of its own: one chosen
// anew starts at a moment still ahead.
void TDoSchedule::ShowOnce(const ScheduleEntry& once) {
    OnceMonth.SetItemIndex(once.MonthIndex);
    OnceDay.SetText(once.Day);
    OnceYear.SetText(once.Year);
    OnceTime.Show(once.Hour, once.Minute, once.Pm);
}

ScheduleKind TDoSchedule::ChosenKind() const {
    for (int k = 0; k < 8; ++k)
        if (Kinds[k]->Checked())
            return static_cast<ScheduleKind>(k);
    return ScheduleKind::Startup;
}

void TDoSchedule::ShowPanelOf(ScheduleKind kind) {
    TPanel* panels[] = {nullptr,      &OncePanel,    &HourlyPanel, &DailyPanel,
                        &WeeklyPanel, &MonthlyPanel, &OtherPanel,  &IdlePanel};
    for (int k = 1; k < 8; ++k) {
        const bool shown = k == static_cast<int>(kind);
        panels[k]->SetVisible(shown);
        panels[k]->SetEnabled(shown);
    }
}

TimeOfDayControls TDoSchedule::*TDoSchedule::TimeOf(ScheduleKind kind) {
    switch (kind) {
        case ScheduleKind::Once:
            return &TDoSchedule::OnceTime;
        case ScheduleKind::Daily:
            return &TDoSchedule::DailyTime;
        case ScheduleKind::Weekly:
            return &TDoSchedule::WeeklyTime;
        case ScheduleKind::Monthly:
            return &TDoSchedule::MonthlyTime;
        default:
            return nullptr;
    }
}

ScheduleEntry TDoSchedule::ReadEntry() const {
    ScheduleEntry e;
    e.Kind = ChosenKind();
    for (int d = 0; d < 7; ++d) e.Days[d] = DayBoxes[d]->Checked();
    if (auto time = TimeOf(e.Kind)) {
        e.Hour = (this->*time).Hour.Text();
        e.Minute = (this->*time).Minute.Text();
        e.Pm = (this->*time).Pm.ItemIndex() == 1;
    }
    e.Year = OnceYear.Text();
    e.MonthIndex = OnceMonth.ItemIndex();
    e.Day = (e.Kind == ScheduleKind::Monthly ? MonthlyDay : OnceDay).Text();
    e.WeekdayIndex = WeeklyDayOfWeek.ItemIndex();
    switch (e.Kind) {
        case ScheduleKind::Hourly:
            e.Minutes = HourlyMinutes.Text();
            break;
        case ScheduleKind::Other:
            e.Minutes = OtherMinutes.Text();
            break;
        case ScheduleKind::Idle:
            e.Minutes = IdleMinutes.Text();
            break;
        default:
            break;
    }
    return e;
}

TControl& TDoSchedule::FieldOf(ScheduleField field) {
    const ScheduleKind kind = ChosenKind();
    auto time = TimeOf(kind);
    switch (field) {
        case ScheduleField::Hour:
            return (this->*time).Hour;
        case ScheduleField::Minute:
            return (this->*time).Minute;
        case ScheduleField::Year:
            return OnceYear;
        case ScheduleField::Month:
            return OnceMonth;
        case ScheduleField::Day:
            return kind == ScheduleKind::Monthly ? MonthlyDay : OnceDay;
        case ScheduleField::Minutes:
            break;
    }
    return kind == ScheduleKind::Hourly  ? HourlyMinutes
           : kind == ScheduleKind::Other ? OtherMinutes
                                         : IdleMinutes;
}

void TDoSchedule::UpdateButtonClick() {
    const ScheduleEntry entry = ReadEntry();
    if (auto refusal = UpdateSchedule(entry, DecodeDateTime(CurrentClock().Now()), record_)) {
        RefuseAt(refusal->Message, FieldOf(refusal->Focus));
        return;
    }
    Close(IDOK);
}

// ---- scope ----

TDoSpecWind::TDoSpecWind() : TForm("TDoSpecWind", "Set Title", 316, 276) {
    TheTitle.SetMaxLength(20);
    ProgList.OnDblClick = [this] {
        const int index = ProgList.ItemIndex();
        if (index >= 0)
            TheTitle.SetText(ProgList.Item(index).substr(0, 20));
    };
    InstalledButton.OnClick = [this] {
        if (std::optional<std::string> program = PickInstalledProgram())
            TheTitle.SetText(*program);
    };
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
    HelpButton.OnClick = [this] { ShowHelp(); };
}

void TDoSpecWind::FormShow() {
    const bool title = TitleMode == 1;
    SetCaption(title ? "Set Title" : "Set Program");
    HelpKeyword = title ? "Set Window Title" : "Set Program Name";
    NameLabel.SetText(title ? "Window Title (may be partial title)"
                            : "Program Name (may be partial name)");
    ListLabel.SetText(title ? "List of Windows currently running"
                            : "List of Programs currently running");
    OnTop.SetText(title ? "&Run Macro If Window On Top" : "&Run Macro If Program On Top");
    Running.SetText(title ? "R&un Macro If Window Running" : "R&un Macro If Program Running");
    Bounds list = ProgList.GetBounds();
    list.Height = title ? 97 : 77;
    ProgList.SetBounds(list);
    InstalledButton.SetVisible(!title);
    InstalledButton.SetEnabled(!title);
    (OnTopOnly == 1 ? OnTop : Running).SetChecked(true);
    TheTitle.SetText(ScopeName);
    TheTitle.SetFocus();
    ScopeName.clear();
    FillList();
}

void TDoSpecWind::FillList() {
    ProgList.ClearItems();
    if (TitleMode == 1) {
        for (const std::string& t : VisibleWindowTitles(true)) ProgList.AddItem(t);
        return;
    }
    for (const ProcessName& p : RunningProcessNames())
        if (p.Name.find(".EXE") != std::string::npos && !p.Name.starts_with("?"))
            ProgList.AddItem(p.Name);
}

void TDoSpecWind::OkButtonClick() {
    const bool title = TitleMode == 1;
    const std::string typed = TrimStr(TheTitle.Text());
    if (typed.empty()) {
        const std::string missing =
            title ? "No window title has been entered.  " : "No program name has been entered.  ";
        const int index = ProgList.ItemIndex();
        if (index < 0) {
            RefuseAt(missing + "Please correct.", TheTitle);
            return;
        }
        const std::string line = ProgList.Item(index);
        const std::string question =
            missing + "\"" + line + "\" is currently highlighted.  Would you like to use it?";
        if (CurrentMessageBoxes().Show(
                "Error", question, MsgStyle::YesNo | MsgStyle::IconQuestion) != MsgResult::Yes) {
            TheTitle.SetFocus();
            return;
        }
        ScopeName = line;
    } else {
        ScopeName = typed;
    }
    OnTopOnly = OnTop.Checked() ? 1 : 0;
    Close(IDOK);
}

// ---- installed programs ----

const std::vector<std::string>& InstalledPrograms::Lines() {
    if (!lines_) {
        THourglass hourglass;
        std::vector<FoundLink> links;
        for (ShellFolder folder : {ShellFolder::StartMenu, ShellFolder::CommonStartMenu}) {
            const std::string path = CurrentShell().SpecialFolder(folder);
            if (!path.empty())
                CollectLinks(path, StartMenuDepth, links);
        }
        lines_ = InstalledProgramLines(links, FileExists);
    }
    return *lines_;
}

InstalledPrograms& TheInstalledPrograms() {
    static InstalledPrograms programs;
    return programs;
}

TDoAllProgs::TDoAllProgs(const std::vector<std::string>& lines)
    : TForm("TDoAllProgs", "List of Installed Programs", 466, 310), lines_(lines) {
    Programs.SetOwnerDraw(18);
    Programs.OnDrawItem = [this](TCanvas& canvas, int index, const RECT& rect, bool selected) {
        DrawProgram(canvas, index, rect, selected);
    };
    Programs.OnDblClick = [this] { OkButtonClick(); };
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TDoAllProgs::FormShow() {
    Programs.ClearItems();
    for (const std::string& line : lines_) Programs.AddItem(line);
}

void TDoAllProgs::DrawProgram(TCanvas& canvas, int index, const RECT& rect, bool selected) {
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const InstalledProgram program = SplitInstalledProgram(Programs.Item(index));
    const int split = rect.left + (rect.right - rect.left) * 3 / 5;
    canvas.WriteFitted(rect.left + 2, rect.top + 1, split - rect.left - 4, program.Name);
    canvas.WriteFitted(split + 2, rect.top + 1, rect.right - split - 4, program.Program);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80));
    HGDIOBJ old = SelectObject(canvas.Handle(), pen);
    MoveToEx(canvas.Handle(), split, rect.top, nullptr);
    LineTo(canvas.Handle(), split, rect.bottom);
    MoveToEx(canvas.Handle(), rect.left, rect.bottom - 1, nullptr);
    LineTo(canvas.Handle(), rect.right, rect.bottom - 1);
    SelectObject(canvas.Handle(), old);
    DeleteObject(pen);
}

void TDoAllProgs::OkButtonClick() {
    const int index = Programs.ItemIndex();
    if (index < 0) {
        RefuseAt("No program selected.  Please select one.", Programs);
        return;
    }
    ProgramChosen = 1;
    ChosenProgram = SplitInstalledProgram(Programs.Item(index)).Program;
    Close(IDOK);
}

// ---- Cueword options of one macro ----

TShortOptions::TShortOptions(MacroRecord& record)
    : TForm("TShortOptions", "Cueword Options", 356, 160), record_(record) {
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TShortOptions::FormShow() {
    NoRemove.SetChecked(record_.CuewordRemove == 2);
    (record_.CuewordCase == 1   ? CaseMatch
     : record_.CuewordCase == 2 ? CaseSense
                                : CaseNone)
        .SetChecked(true);
}

void TShortOptions::OkButtonClick() {
    record_.CuewordCase = CaseSense.Checked() ? 2 : CaseMatch.Checked() ? 1 : 3;
    record_.CuewordRemove = NoRemove.Checked() ? 2 : 1;
    Close(IDOK);
}

// ---- entry points ----

bool EditSchedule(MacroRecord& record) {
    TDoSchedule dialog(record);
    return dialog.ShowModal() == IDOK;
}

bool EditScope(std::uint8_t titleMode, MacroRecord& record) {
    TDoSpecWind dialog;
    dialog.TitleMode = titleMode;
    dialog.ScopeName = record.ScopeText.str();
    dialog.OnTopOnly = record.ScopeMatch;
    if (dialog.ShowModal() != IDOK || dialog.ScopeName.empty())
        return false;
    record.ScopeText = dialog.ScopeName;
    record.ScopeMatch = dialog.OnTopOnly;
    return true;
}

bool EditCuewordOptions(MacroRecord& record) {
    TShortOptions dialog(record);
    return dialog.ShowModal() == IDOK;
}

std::optional<std::string> PickInstalledProgram() {
    TDoAllProgs dialog(TheInstalledPrograms().Lines());
    if (dialog.ShowModal() != IDOK || dialog.ProgramChosen != 1)
        return std::nullopt;
    return dialog.ChosenProgram;
}

}  // namespace orv::editor
