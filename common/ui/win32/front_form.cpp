#include "common/ui/win32/front_form.h"

#include "common/win32/foreground.h"

namespace orv {

namespace {

// Posted at the show: the form must be on the screen before it can be
// brought forward. Above the numbers the hook library posts, so that a
// hot-key entry on the form never takes it for a pressed combination.
constexpr UINT BringForwardMessage = WM_USER + 100;

}  // namespace

TFrontForm::TFrontForm(std::string name, std::string caption, int clientWidth, int clientHeight)
    : TForm(std::move(name), std::move(caption), clientWidth, clientHeight) {
    SetStayOnTop(true);
}

void TFrontForm::FormShow() {
    PostMessageA(Handle(), BringForwardMessage, 0, 0);
}

void TFrontForm::FormActivate() {
    // Another topmost window may have come over it meanwhile.
    SetStayOnTop(true);
}

bool TFrontForm::UserMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != BringForwardMessage)
        return false;
    TransferForeground(Handle());
    result = 0;
    return true;
}

}  // namespace orv
