#include "player/win32/forms/do_my_message.h"

namespace orv::player {

namespace {

// An edit control breaks lines only at CR LF.
std::string WithCrLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out += '\r';
        out += text[i];
    }
    return out;
}

}  // namespace

TDoMyMessage::TDoMyMessage(std::string caption, std::string_view text)
    : TRunTimeDialog("TDoMyMessage", "Message", 270, 172) {
    SetCaption(std::move(caption));
    TheMessage.SetReadOnly(true);
    TheMessage.SetText(WithCrLf(text));
    OkButton.ModalResult = IDOK;
}

}  // namespace orv::player
