#include "player/win32/forms/repeat_prompt.h"

#include "common/message_boxes.h"
#include "player/pause_layout.h"

namespace orv::player {

TRepeatPrompt::TRepeatPrompt() : TRunTimeDialog("TRepeatPrompt", "Macro Repeat", 167, 56) {
    NumReps.SetMaxLength(4);
    OkButton.OnClick = [this] { Accept(); };
}

void TRepeatPrompt::FormShow() {
    TRunTimeDialog::FormShow();
    NumReps.SetFocus();
}

bool TRepeatPrompt::FormMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) {
    if (message != WM_SYSCOMMAND || (w & 0xFFF0) != SC_CLOSE)
        return false;
    Accept();
    result = 0;
    return true;
}

void TRepeatPrompt::Accept() {
    if (const std::optional<std::uint16_t> count = ParseRepeatCount(NumReps.Text())) {
        Count = *count;
        Close(IDOK);
        return;
    }
    CurrentMessageBoxes().Show(RepeatPromptText::ErrorCaption, RepeatPromptText::Invalid,
                               MsgStyle::Ok | MB_TOPMOST);
    NumReps.SetFocus();
}

}  // namespace orv::player
