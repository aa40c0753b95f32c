#include "editor/commands/win32/command_dialog.h"

namespace orv {
namespace {

constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;

Bounds ButtonAt(int index) {
    return {index * (ButtonWidth + ButtonGap), 0, ButtonWidth, ButtonHeight};
}

}  // namespace

TCommandDialog::TCommandDialog(std::string name, std::string caption, int clientWidth,
                               int clientHeight, std::string helpKeyword)
    : TForm(std::move(name), std::move(caption), clientWidth, clientHeight) {
    HelpKeyword = std::move(helpKeyword);
}

void TCommandDialog::BindButtons(TButton& ok, TButton& cancel, TButton* help) {
    ok.OnClick = [this] { OkButtonClick(); };
    cancel.ModalResult = IDCANCEL;
    if (help)
        help->OnClick = [this] { ShowHelp(); };
}

void TCommandDialog::FormShow() {
    composed_ = {};
    confirmed_ = false;
    if (!keepCommandText_)
        CommandText.clear();
}

void TCommandDialog::Refuse(const std::string& message, TControl& control) {
    CommandText.clear();
    CurrentMessageBoxes().Show("Error", message, MsgStyle::Ok);
    control.SetFocus();
}

void TCommandDialog::Take(const ComposedCommand& command) {
    composed_ = command;
    CommandText = command.CommandText;
    confirmed_ = true;
    Close(IDOK);
}

int CheckedIndex(std::initializer_list<const TRadioButton*> buttons) {
    int index = 0;
    for (const TRadioButton* button : buttons) {
        if (button->Checked())
            return index;
        ++index;
    }
    return -1;
}

void CheckIndex(std::initializer_list<TRadioButton*> buttons, int index) {
    if (index >= 0 && index < static_cast<int>(buttons.size()))
        buttons.begin()[index]->SetChecked(true);
}

TButtonRow::TButtonRow(TForm& form, int top, int left, bool withHelp)
    : Row(form, nullptr, {left, top, 3 * ButtonWidth + 2 * ButtonGap, ButtonHeight}),
      OkButton(form, &Row, ButtonAt(0), "&Ok", ButtonRole::Default),
      CancelButton(form, &Row, ButtonAt(1), "&Cancel", ButtonRole::Cancel),
      HelpButton(form, &Row, ButtonAt(2), "&Help") {
    HelpButton.SetVisible(withHelp);
}

}  // namespace orv
