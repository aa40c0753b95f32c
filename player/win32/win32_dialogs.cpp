#include "player/win32/win32_dialogs.h"

#include <utility>

#include "player/pause_layout.h"
#include "player/run_state.h"
#include "player/win32/forms/do_my_message.h"
#include "player/win32/forms/on_top_message.h"
#include "player/win32/forms/pause_macro.h"
#include "player/win32/forms/repeat_prompt.h"
#include "player/win32/win32_windows.h"

namespace orv::player {

namespace {

// Runs show while the flag is clear, holding it set meanwhile.
template <class Show>
void ShowAlone(bool& showing, Show show) {
    if (showing)
        return;
    const RaisedFlag raised(showing);
    show();
}

}  // namespace

int Win32Dialogs::ShowInFront(TForm& form) {
    if (SettleInput)
        SettleInput();
    // The macro goes on typing where it typed before the dialog came up.
    int result = 0;
    ShowWithKeyboard([&] { result = form.ShowModal(Owner); });
    return result;
}

bool Win32Dialogs::ShowPauseWindow(std::optional<ScreenPoint> topLeft, std::string_view message) {
    const RunningMacro running = Dispatch ? Dispatch->Running() : RunningMacro{};
    TPauseMacro form(
        {running.Nickname, PauseCaption(running.Activation), std::string(message), topLeft},
        WorkWindow);
    pause_ = &form;
    if (Dispatch)
        Dispatch->PauseShown();
    const int result = ShowInFront(form);
    if (Dispatch)
        Dispatch->PauseClosed();
    pause_ = nullptr;
    return result == IDOK;
}

void Win32Dialogs::ClosePause(bool resume) {
    if (pause_ && pause_->IsOpen())
        pause_->Close(resume ? IDOK : IDCANCEL);
}

void Win32Dialogs::MyMessage(std::string_view caption, std::string_view text) {
    ShowAlone(textShowing_, [&] {
        TDoMyMessage form{std::string(caption), text};
        ShowInFront(form);
    });
}

void Win32Dialogs::DoAMessage(std::string_view caption, std::string_view text) {
    ShowAlone(messageShowing_, [&] {
        TOnTopMessage form{std::string(caption), std::string(text)};
        ShowInFront(form);
    });
}

std::uint16_t Win32Dialogs::DoRepPrompt() {
    TRepeatPrompt prompt;
    ShowInFront(prompt);
    return prompt.Count;
}

}  // namespace orv::player
