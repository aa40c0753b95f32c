#include "editor/commands/win32/date_time_dialog.h"

#include <initializer_list>

#include "common/script/catalogue.h"
#include "common/ui/win32/canvas.h"

namespace orv::editor {
namespace {

constexpr int RowHeight = 16;

const FormatEntry& FormatOfRow(bool isTime, int row) {
    return isTime ? TimeFormatTable[row] : DateFormatTable[row];
}

}  // namespace

TDateOrTime::TDateOrTime(CommandContext& context)
    : TCommandDialog("TDateOrTime", "Dates", 384, 356 + FooterHeight, "Date Format"),
      settings_(context.Settings) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    TheFormat.SetOwnerDraw(RowHeight);
    TheFormat.OnDrawItem = [this](TCanvas& canvas, int index, const RECT& rect, bool selected) {
        TheFormatDrawItem(canvas, index, rect, selected);
    };
    DaysEdit.SetMaxLength(3);
}

// The name at the left, the sample from the middle of the row on.
void TDateOrTime::TheFormatDrawItem(TCanvas& canvas, int index, const RECT& rect,
                                    bool selected) const {
    const FormatEntry& format = FormatOfRow(Timed(), index);
    canvas.FillSystem(rect, selected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
    canvas.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    canvas.WriteText(rect.left + 2, rect.top, format.Name);
    canvas.WriteText(rect.left + (rect.right - rect.left) / 2, rect.top, format.Sample);
}

void TDateOrTime::LoadInput(const DateTimeInput& input) {
    IsTime = input.IsTime ? 1 : 0;
    FormatIndex = input.Row + 1;
    Suppress.SetChecked(input.Suppress);
    (input.Future ? FutureRadio : PastRadio).SetChecked(true);
    DaysEdit.SetText(input.Days);
}

DateTimeInput TDateOrTime::ReadInput() const {
    return {Timed(), TheFormat.ItemIndex(), Suppress.Checked(), FutureRadio.Checked(),
            DaysEdit.Text()};
}

void TDateOrTime::FormShow() {
    TCommandDialog::FormShow();
    DateTimeLayout layout = DateTimeLayoutFor(Timed());
    SetCaption(std::string(layout.Caption));
    HelpKeyword = layout.HelpKeyword;
    TitleLabel.SetText(layout.Title);
    TheFormat.ClearItems();
    for (int row = 0; row < layout.RowCount; ++row)
        TheFormat.AddItem(FormatOfRow(Timed(), row).Name);
    DateControls.SetVisible(layout.ShowDateControls);
    for (TControl* c : std::initializer_list<TControl*>{&DaysEdit, &FutureRadio, &PastRadio})
        c->SetEnabled(layout.ShowDateControls);
    int row = 0;
    if (FreshInsert == 1) {
        row = FormatRowFor(Timed(), Timed() ? settings_.LastTimeFormat : settings_.LastDateFormat);
        Suppress.SetChecked(Timed() ? settings_.SuppressZerosInTime
                                    : settings_.SuppressZerosInDate);
        FutureRadio.SetChecked(true);
        DaysEdit.SetText("0");
    } else {
        row = FormatRowFor(Timed(), FormatIndex - 1);
    }
    TheFormat.SetItemIndex(row);
    TheFormat.SetFocus();
}

void TDateOrTime::OkButtonClick() {
    DateTimeInput input = ReadInput();
    DateTimeOutcome out = ComposeDateOrTime(input);
    auto controlOf = [this](DateTimeField field) -> TControl& {
        if (field == DateTimeField::Days)
            return DaysEdit;
        return TheFormat;
    };
    if (!Accept(out, controlOf))
        return;
    IsDate = out.Raw.IsDate;
    FormatIndex = out.Raw.FormatIndex;
    ShowZeros = out.Raw.ShowZeros;
    Future = out.Raw.Future;
    Days = out.Raw.Days;
    // Only an accepted choice becomes the next new command's default.
    if (Timed()) {
        settings_.LastTimeFormat = input.Row;
        settings_.SuppressZerosInTime = input.Suppress;
    } else {
        settings_.LastDateFormat = input.Row;
        settings_.SuppressZerosInDate = input.Suppress;
    }
}

}  // namespace orv::editor
