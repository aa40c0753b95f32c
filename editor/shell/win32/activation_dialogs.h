// The dialogs that edit a macro's activation details in its record: its
// schedule, the window or program it is bound to, the installed programs to
// pick one from, and its own Cueword options. Each has an entry point for
// the dialogs that open it.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/macro_record.h"
#include "common/schedule.h"
#include "common/ui/win32/form.h"

namespace orv::editor {

// Hour, minute and AM/PM of one schedule panel.
struct TimeOfDayControls {
    TimeOfDayControls(TForm& form, TControl* panel, int left, int top);
    void Show(const std::string& hour, const std::string& minute, bool pm);
    TEdit Hour;
    TLabel Colon;
    TEdit Minute;
    TComboBox Pm;
};

// "Set Schedule": the record is the result; Update writes it only once every
// value of the chosen kind passed.
class TDoSchedule : public TForm {
  public:
    explicit TDoSchedule(MacroRecord& record);

    TGroupBox RunMacro{*this, nullptr, {8, 8, 110, 196}, "Run Macro"};
    // One radio per kind, in the order of ScheduleKind.
    std::vector<std::unique_ptr<TRadioButton>> Kinds;

    TPanel OncePanel{*this, nullptr, PanelBounds};
    TLabel OnceLabel{*this, &OncePanel, {0, 4, 90, 16}, "Start Macro At"};
    TimeOfDayControls OnceTime{*this, &OncePanel, 92, 0};
    TLabel OnceOn{*this, &OncePanel, {0, 40, 20, 16}, "on"};
    TComboBox OnceMonth{*this, &OncePanel, {24, 36, 100, 21}};
    TEdit OnceDay{*this, &OncePanel, {130, 36, 32, 21}};
    TUpDown OnceDaySpin{*this, &OncePanel, {162, 36, 16, 21}, OnceDay, 1, 31};
    TEdit OnceYear{*this, &OncePanel, {184, 36, 44, 21}};
    TUpDown OnceYearSpin{*this, &OncePanel, {228, 36, 16, 21}, OnceYear, 1, 9999};

    TPanel HourlyPanel{*this, nullptr, PanelBounds};
    TLabel HourlyLabel{*this, &HourlyPanel, {0, 4, 90, 16}, "Start Macro At"};
    TEdit HourlyMinutes{*this, &HourlyPanel, {92, 0, 32, 21}};
    TUpDown HourlySpin{*this, &HourlyPanel, {124, 0, 16, 21}, HourlyMinutes, 0, 59};
    TLabel HourlyAfter{*this, &HourlyPanel, {146, 4, 140, 16}, "minutes after the hour"};

    TPanel DailyPanel{*this, nullptr, PanelBounds};
    TLabel DailyLabel{*this, &DailyPanel, {0, 4, 90, 16}, "Start Macro At"};
    TimeOfDayControls DailyTime{*this, &DailyPanel, 92, 0};
    std::vector<std::unique_ptr<TCheckBox>> DayBoxes;  // Monday .. Sunday

    TPanel WeeklyPanel{*this, nullptr, PanelBounds};
    TLabel WeeklyLabel{*this, &WeeklyPanel, {0, 4, 90, 16}, "Start Macro At"};
    TimeOfDayControls WeeklyTime{*this, &WeeklyPanel, 92, 0};
    TLabel WeeklyEvery{*this, &WeeklyPanel, {0, 40, 40, 16}, "every"};
    TComboBox WeeklyDayOfWeek{*this, &WeeklyPanel, {44, 36, 100, 21}};

    TPanel MonthlyPanel{*this, nullptr, PanelBounds};
    TLabel MonthlyLabel{*this, &MonthlyPanel, {0, 4, 90, 16}, "Start Macro At"};
    TimeOfDayControls MonthlyTime{*this, &MonthlyPanel, 92, 0};
    TLabel MonthlyOn{*this, &MonthlyPanel, {0, 40, 40, 16}, "on the"};
    TEdit MonthlyDay{*this, &MonthlyPanel, {44, 36, 32, 21}};
    TUpDown MonthlySpin{*this, &MonthlyPanel, {76, 36, 16, 21}, MonthlyDay, 1, 31};
    TLabel MonthlyOf{*this, &MonthlyPanel, {98, 40, 120, 16}, "day of the month"};

    TPanel OtherPanel{*this, nullptr, PanelBounds};
    TLabel OtherLabel{*this, &OtherPanel, {0, 4, 110, 16}, "Start Macro every"};
    TEdit OtherMinutes{*this, &OtherPanel, {112, 0, 40, 21}};
    TUpDown OtherSpin{*this, &OtherPanel, {152, 0, 16, 21}, OtherMinutes, 1, 720};
    TLabel OtherAfter{*this, &OtherPanel, {174, 4, 60, 16}, "minutes"};

    TPanel IdlePanel{*this, nullptr, PanelBounds};
    TLabel IdleLabel{*this, &IdlePanel, {0, 4, 110, 16}, "Start Macro after"};
    TEdit IdleMinutes{*this, &IdlePanel, {112, 0, 40, 21}};
    TUpDown IdleSpin{*this, &IdlePanel, {152, 0, 16, 21}, IdleMinutes, 1, 90};
    TLabel IdleAfter{*this, &IdlePanel, {174, 4, 140, 16}, "minutes of idle time"};

    TButton UpdateButton{*this, nullptr, {150, 176, 75, 25}, "&Update", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {235, 176, 75, 25}, "&Cancel", ButtonRole::Cancel};

    // The values as typed, for the chosen kind.
    ScheduleEntry ReadEntry() const;
    void UpdateButtonClick();

  protected:
    void FormShow() override;

  private:
    static constexpr Bounds PanelBounds{130, 14, 300, 150};
    ScheduleKind ChosenKind() const;
    void ShowOnce(const ScheduleEntry& once);
    void ShowPanelOf(ScheduleKind kind);
    TControl& FieldOf(ScheduleField field);
    // The time-of-day controls of a kind's panel, or null.
    static TimeOfDayControls TDoSchedule::*TimeOf(ScheduleKind kind);
    MacroRecord& record_;
};

// "Set Title" / "Set Program": ScopeName comes back empty when cancelled.
class TDoSpecWind : public TForm {
  public:
    TDoSpecWind();
    std::uint8_t TitleMode = 1;  // 1 window title, 0 program
    std::string ScopeName;
    std::uint8_t OnTopOnly = 0;

    TLabel NameLabel{*this, nullptr, {8, 8, 300, 16}};
    TEdit TheTitle{*this, nullptr, {8, 26, 300, 21}};
    TRadioButton OnTop{*this, nullptr, {8, 54, 300, 18}, ""};
    TRadioButton Running{*this, nullptr, {8, 74, 300, 18}, ""};
    TLabel ListLabel{*this, nullptr, {8, 98, 300, 16}};
    TLabel ListHint{*this, nullptr, {8, 114, 300, 16}, "(Double Click on one to select)"};
    TListBox ProgList{*this, nullptr, {8, 132, 300, 97}, true};
    TButton InstalledButton{
        *this, nullptr, {8, 212, 300, 24}, "&Select from list of installed programs"};
    TButton OkButton{*this, nullptr, {60, 244, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {145, 244, 75, 25}, "&Cancel", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {230, 244, 75, 25}, "&Help"};

    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    void FillList();
};

// The programs the Start Menus' shortcuts start, found once per run.
class InstalledPrograms {
  public:
    // Scans on the first call only.
    const std::vector<std::string>& Lines();
    // A later call scans again (a test's new Start Menu).
    void Forget() { lines_.reset(); }

  private:
    std::optional<std::vector<std::string>> lines_;
};
InstalledPrograms& TheInstalledPrograms();

// "List of Installed Programs".
class TDoAllProgs : public TForm {
  public:
    explicit TDoAllProgs(const std::vector<std::string>& lines);
    std::uint8_t ProgramChosen = 0;
    std::string ChosenProgram;

    TLabel NameHeader{*this, nullptr, {10, 8, 200, 16}, "Program Name"};
    TLabel ExeHeader{*this, nullptr, {10 + 450 * 3 / 5, 8, 170, 16}, "Program EXE"};
    TListBox Programs{*this, nullptr, {8, 26, 450, 240}};
    TButton OkButton{*this, nullptr, {150, 276, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {235, 276, 75, 25}, "&Cancel", ButtonRole::Cancel};

    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    void DrawProgram(TCanvas& canvas, int index, const RECT& rect, bool selected);
    const std::vector<std::string>& lines_;
};

// One macro's "Cueword Options": CuewordCase and CuewordRemove of the record.
class TShortOptions : public TForm {
  public:
    explicit TShortOptions(MacroRecord& record);

    TCheckBox NoRemove{*this, nullptr, {8, 8, 320, 18}, "&Do Not Remove Keystrokes Typed"};
    TGroupBox CaseBox{*this, nullptr, {8, 32, 340, 84}, "Case Sensitivity"};
    TRadioButton CaseMatch{
        *this, nullptr, {16, 50, 324, 18}, "&Match Upper Case First Char Between Cueword &&Text"};
    TRadioButton CaseSense{
        *this, nullptr, {16, 70, 324, 18}, "&Require Exact Upper/Lower Case Match on Cueword"};
    TRadioButton CaseNone{*this, nullptr, {16, 90, 324, 18}, "&None"};
    TButton OkButton{*this, nullptr, {100, 126, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {185, 126, 75, 25}, "&Cancel", ButtonRole::Cancel};

    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    MacroRecord& record_;
};

// Entry points. Each returns whether the user confirmed; the record (or the
// scope fields) then holds the result.
bool EditSchedule(MacroRecord& record);
// titleMode: 1 window title, 0 program. On OK: scopeText (at most 30
// characters) and scopeMatch take the choice.
bool EditScope(std::uint8_t titleMode, MacroRecord& record);
bool EditCuewordOptions(MacroRecord& record);
// The installed program chosen, or nothing.
std::optional<std::string> PickInstalledProgram();

}  // namespace orv::editor
