#include "mail/win32/email_status.h"

namespace orv::player {

TEMailStatus::TEMailStatus() : TForm("TEMailStatus", "Orvane E-Mail Send", 367, 34) {
    SetStayOnTop(true);
    // Arial of 13 pixels on a screen of 96 pixels to the inch.
    MyStatus.SetFont(FontDescription{0, "Arial", 10, 0});
}

void TEMailStatus::Open(std::string_view caption, HWND owner) {
    SetCaption(std::string(caption));
    MyStatus.SetText("");
    Show(owner, false);
}

void TEMailStatus::SetStatusText(std::string_view text) {
    MyStatus.SetText(text);
    if (MyStatus.Handle())
        UpdateWindow(MyStatus.Handle());
}

void TEMailStatus::FormActivate() {
    // Another topmost window may have come over it meanwhile.
    SetStayOnTop(true);
}

}  // namespace orv::player
