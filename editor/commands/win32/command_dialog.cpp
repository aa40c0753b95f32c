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
    CommandText.clear();
}

void TCommandDialog::Refuse(const std::string& message, TControl& control) {
    CommandText.clear();
    CurrentMessageBoxes().Show("Error", message, MsgStyle::Ok);
    control.SetFocus();
}

TButtonRow::TButtonRow(TForm& form, int top, int left, bool withHelp)
    : Row(form, nullptr, {left, top, 3 * ButtonWidth + 2 * ButtonGap, ButtonHeight}),
      OkButton(form, &Row, ButtonAt(0), "&Ok", ButtonRole::Default),
      CancelButton(form, &Row, ButtonAt(1), "&Cancel", ButtonRole::Cancel),
      HelpButton(form, &Row, ButtonAt(2), "&Help") {
    HelpButton.SetVisible(withHelp);
}

}  // namespace orv
