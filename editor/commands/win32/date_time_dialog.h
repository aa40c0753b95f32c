// The date or time command: a format from the date or the time table, with
// or without leading zeros, and for a date the days into the future or past.
// A new command starts from the settings' last choice; an accepted OK
// stores the choice there again.
#pragma once

#include <cstdint>

#include "editor/commands/command_context.h"
#include "editor/commands/date_time_commands.h"
#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {

class TDateOrTime : public TCommandDialog {
  public:
    explicit TDateOrTime(CommandContext& context);
    std::uint8_t IsTime = 0;
    std::uint8_t IsDate = 0;
    std::int32_t FormatIndex = 0;
    std::uint8_t ShowZeros = 0;
    std::uint8_t Future = 1;
    std::int32_t Days = 0;

    TLabel TitleLabel{*this, nullptr, {12, 8, 300, 16}};
    TListBox TheFormat{*this, nullptr, {12, 28, 360, 260}};
    TCheckBox Suppress{*this, nullptr, {12, 296, 250, 18}, "Do not show leading zeros"};
    TPanel DateControls{*this, nullptr, {12, 322, 360, 24}};
    TLabel SetDateLabel{*this, &DateControls, {0, 4, 50, 16}, "Set date"};
    TEdit DaysEdit{*this, &DateControls, {52, 0, 40, 21}};
    TLabel DaysIntoLabel{*this, &DateControls, {98, 4, 60, 16}, "days into"};
    TRadioButton FutureRadio{*this, &DateControls, {162, 2, 70, 18}, "&future"};
    TRadioButton PastRadio{*this, &DateControls, {236, 2, 70, 18}, "&past"};
    TButtonRow Buttons{*this, 356, 12};

    // Sets IsTime and FormatIndex too, which the show reads.
    void LoadInput(const DateTimeInput& input);
    DateTimeInput ReadInput() const;

  protected:
    void FormShow() override;
    void OkButtonClick() override;

  private:
    void TheFormatDrawItem(TCanvas& canvas, int index, const RECT& rect, bool selected) const;
    bool Timed() const { return IsTime == 1; }
    SettingsBlock& settings_;
};

}  // namespace orv::editor
