#include "player/win32/forms/pause_macro.h"

#include "player/pause_layout.h"
#include "player/win32/win32_windows.h"

namespace orv::player {

TPauseMacro::TPauseMacro(const PauseWindowContent& content, std::function<HWND()> workWindow)
    : TRunTimeDialog("TPauseMacro", "Pause", PauseLayout::Width, PauseLayout::BaseHeight),
      workWindow_(std::move(workWindow)) {
    const PauseLayout layout = LayOutPause(content.Message);
    SetCaption(content.Caption);
    SetClientSize(PauseLayout::Width, layout.Height);
    if (content.TopLeft) {
        Position = FormPosition::Designed;
        Left = content.TopLeft->X;
        Top = content.TopLeft->Y;
    }
    MacroTitleLabel.SetText(content.Nickname);
    MacroTitleLabel.SetFontColor(RGB(255, 0, 0));
    MessageLabel.SetText(content.Message);
    MessageLabel.SetVisible(layout.MessageHeight > 0);
    Bounds message = MessageLabel.GetBounds();
    message.Height = layout.MessageHeight;
    MessageLabel.SetBounds(message);
    for (TButton* button : {&ResumeButton, &AbortButton}) {
        Bounds at = button->GetBounds();
        at.Top = layout.ButtonsTop;
        button->SetBounds(at);
    }
    ResumeButton.ModalResult = IDOK;
    AbortButton.ModalResult = IDCANCEL;
}

void TPauseMacro::FormActivate() {
    TRunTimeDialog::FormActivate();
    if (HWND work = workWindow_ ? workWindow_() : nullptr; work && IsWindow(work))
        TransferForeground(work);
}

}  // namespace orv::player
