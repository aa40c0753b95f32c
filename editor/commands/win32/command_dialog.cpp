#include "editor/commands/win32/command_dialog.h"

namespace orv::editor {
namespace {

constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 8;

Bounds ButtonAt(int index, int width) {
    return {index * (width + ButtonGap), 0, width, ButtonHeight};
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

TButtonRow::TButtonRow(TForm& form, int top, int left, bool withHelp, int buttonWidth)
    : Row(form, nullptr, {left, top, 3 * buttonWidth + 2 * ButtonGap, ButtonHeight}),
      OkButton(form, &Row, ButtonAt(0, buttonWidth), "&Ok", ButtonRole::Default),
      CancelButton(form, &Row, ButtonAt(1, buttonWidth), "&Cancel", ButtonRole::Cancel),
      HelpButton(form, &Row, ButtonAt(2, buttonWidth), "&Help") {
    HelpButton.SetVisible(withHelp);
}

}  // namespace orv::editor
