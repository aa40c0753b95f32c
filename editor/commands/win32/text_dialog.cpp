#include "editor/commands/win32/text_dialog.h"

#include "common/message_boxes.h"

namespace orv::editor {

TModText::TModText(CommandContext& context)
    : TCommandDialog("TModText", "Enter Keystrokes", 520, 377, "Text Insertion"),
      Keys(*this, NewFormat, Menu, {8, 204, 504, 130}, context) {
    BindButtons(UpdateButton, CancelButton, &HelpButton);
    FileUpdate.OnClick = [this] { OkButtonClick(); };
    FileExit.OnClick = [this] { Close(IDCANCEL); };
}

void TModText::LoadInput(const TextInput& input) {
    NewFormat.SetText(input.Text);
}

TextInput TModText::ReadInput() const {
    return {NewFormat.Text()};
}

void TModText::FormShow() {
    TCommandDialog::FormShow();
    Updated = 0;
    Keys.FormShow();
    NewFormat.SetFocus();
    shownText_ = NewFormat.Text();
}

bool TModText::FormCloseQuery() {
    return Confirmed() || ChangesMayGo(NewFormat.Text() != shownText_);
}

void TModText::OkButtonClick() {
    TextOutcome out = ComposeText(ReadInput());
    if (out.Accepted() && !out.Raw.Notice.empty())
        CurrentMessageBoxes().Show("Error", out.Raw.Notice, MsgStyle::Ok);
    if (!Accept(out, [this](TextField) -> TControl& { return NewFormat; }))
        return;
    Updated = 1;
    TextBuffer = CommandText;
}

}  // namespace orv::editor
