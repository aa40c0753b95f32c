#include "editor/commands/win32/dialup_dialog.h"

#include "editor/commands/win32/system_device_lists.h"

namespace orv::editor {

TDoDialup::TDoDialup() : TDoDialup(ThePhoneBook()) {}

TDoDialup::TDoDialup(const PhoneBook& book)
    : TCommandDialog("TDoDialup", "Dial-Up Networking", 316, 294, "Dial-Up Networking"),
      book_(book) {
    BindButtons(Buttons.OkButton, Buttons.CancelButton, &Buttons.HelpButton);
    Hang.OnClick = [this] { SetLayout(); };
    Dial.OnClick = [this] { SetLayout(); };
    Button1.OnClick = [this] { Button1Click(); };
    Password.SetPasswordChar('*');
}

void TDoDialup::LoadInput(const DialupInput& input) {
    (input.Dial ? Dial : Hang).SetChecked(true);
    EntryName = input.Entry.value_or("");
    UserName.SetText(input.UserName);
    Password.SetText(input.Password);
}

DialupInput TDoDialup::ReadInput() const {
    DialupInput input{Dial.Checked(), std::nullopt, UserName.Text(), Password.Text()};
    if (int row = PhoneList.ItemIndex(); row >= 0)
        input.Entry = PhoneList.Item(row);
    return input;
}

void TDoDialup::SetLayout() {
    DialupLayout layout = DialupLayoutFor(Dial.Checked());
    SetClientSize(ClientWidth(), layout.ClientHeight);
    Panel3.SetVisible(layout.ShowEntries);
    Panel3.SetEnabled(layout.ShowEntries);
    Bounds row = Buttons.Row.GetBounds();
    row.Top = layout.ButtonsTop;
    Buttons.Row.SetBounds(row);
}

void TDoDialup::Button1Click() {
    int row = PhoneList.ItemIndex();
    if (row < 0) {
        Refuse(std::string(NoEntryMessage), PhoneList);
        return;
    }
    std::string user = UserName.Text();
    std::string password = Password.Text();
    TakeDialParams(book_.Params(PhoneList.Item(row)), user, password);
    UserName.SetText(user);
    Password.SetText(password);
}

void TDoDialup::FormShow() {
    TCommandDialog::FormShow();
    std::vector<std::string> entries = book_.Entries();
    PhoneList.ClearItems();
    for (const std::string& entry : entries) PhoneList.AddItem(entry);
    if (FreshInsert == 1)
        Dial.SetChecked(true);
    PhoneList.SetItemIndex(InitialEntryRow(entries, FreshInsert == 1, EntryName));
    SetLayout();
}

void TDoDialup::OkButtonClick() {
    DialupOutcome out = ComposeDialup(ReadInput());
    auto controlOf = [this](DialupField f) -> TControl& {
        if (f == DialupField::UserName)
            return UserName;
        if (f == DialupField::Password)
            return Password;
        return PhoneList;
    };
    if (!Accept(out, controlOf))
        return;
    EntryName = out.Raw.EntryName;
    DialUser = out.Raw.DialUser;
    DialPassword = out.Raw.DialPassword;
}

}  // namespace orv::editor
