#include "common/ui/win32/recipient_column.h"

#include <algorithm>

#include "common/script/email_command.h"
#include "common/ui/win32/services.h"

namespace orv {

TRecipientColumn::TRecipientColumn(TForm& form, TControl* panel, int left, std::string heading,
                                   const RecipientColumnLayout& layout)
    : Area(form, panel,
           {left, 0, std::max(layout.Width, layout.AddressLeft + layout.AddressWidth),
            layout.ButtonsTop + layout.ButtonHeight}),
      Heading(form, &Area, {0, layout.Top, layout.Width, 16}, std::move(heading)),
      PersonLabel(form, &Area, {0, layout.Top + 20, layout.Width, 16}, "Name"),
      Person(form, &Area, {0, layout.Top + 36, layout.Width, 21}),
      AddressLabel(form, &Area, {0, layout.Top + 62, layout.Width, 16}, "Address"),
      Address(form, &Area, {0, layout.Top + 78, layout.Width, 21}),
      ListLabel(form, &Area, {0, layout.Top + 106, layout.Width, 16}, "Select from Recipient List"),
      List(form, &Area, {0, layout.Top + 122, layout.Width, layout.ListHeight}, false, true),
      NameButton(form, &Area, {0, layout.ButtonsTop, layout.NameWidth, layout.ButtonHeight},
                 "Name"),
      AddressButton(
          form, &Area,
          {layout.AddressLeft, layout.ButtonsTop, layout.AddressWidth, layout.ButtonHeight},
          "Address") {
    List.SetClickToggles(true);
}

void TRecipientColumn::ShowLines(const std::vector<std::string>& lines) {
    // The marks cover the rows the box holds, however many there are.
    std::vector<bool> marks;
    for (int i = 0; i < List.Count(); ++i) marks.push_back(List.Selected(i));
    List.ClearItems();
    const bool byName = NameButton.Checked();
    for (const std::string& line : lines) {
        RecipientEntry entry = SplitRecipientLine(line);
        List.AddItem(byName ? entry.Name : entry.Address);
    }
    for (std::size_t row = 0; row < marks.size() && row < lines.size(); ++row) {
        if (marks[row])
            List.SetSelected(static_cast<int>(row), true);
    }
}

void TRecipientColumn::ShowLinesOnSwitch(const std::vector<std::string>& lines) {
    NameButton.OnClick = [this, &lines] { ShowLines(lines); };
    AddressButton.OnClick = [this, &lines] { ShowLines(lines); };
}

std::vector<int> TRecipientColumn::SelectedRows() const {
    std::vector<int> rows;
    for (int i = 0; i < List.Count(); ++i) {
        if (List.Selected(i))
            rows.push_back(i);
    }
    return rows;
}

void TRecipientColumn::SetUsable(bool usable) {
    for (TControl* c :
         std::initializer_list<TControl*>{&PersonLabel, &Person, &AddressLabel, &Address,
                                          &ListLabel, &List, &NameButton, &AddressButton})
        c->SetEnabled(usable);
}

std::optional<std::string> AskAttachmentFile(HWND owner) {
    FileDialogOptions options;
    options.Title = "Select File For Attachment";
    options.Filter =
        "All Files (*.*)|*.*|Zip Files (*.ZIP)|*.ZIP|Text Files (*.TXT)|*.TXT|"
        "Word Files (*.DOC)|*.DOC";
    options.HideReadOnly = true;
    options.FileMustExist = true;
    return CurrentFileDialogs().Open(owner, options);
}

}  // namespace orv
