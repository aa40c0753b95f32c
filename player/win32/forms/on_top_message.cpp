#include "player/win32/forms/on_top_message.h"

namespace orv::player {

TOnTopMessage::TOnTopMessage(std::string caption, std::string text)
    : TRunTimeDialog("TOnTopMessage", "Message", 235, 130) {
    SetCaption(std::move(caption));
    TheMessage.SetText(text);
    OkButton.ModalResult = IDOK;
}

}  // namespace orv::player
