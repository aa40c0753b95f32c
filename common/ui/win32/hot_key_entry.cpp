#include "common/ui/win32/hot_key_entry.h"

#include "common/ui/win32/form.h"

namespace orv {

THotKeyEntry::THotKeyEntry(TForm& form, TControl* parent, Bounds bounds, SecondWindow& second)
    : TEdit(form, parent, bounds), second_(second) {
    SetReadOnly(true);
}

void THotKeyEntry::Switch(bool on) {
    if (on == on_)
        return;
    on_ = on;
    second_.SetSecondWindow(Form().Handle(), on);
}

bool THotKeyEntry::WindowMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) {
    bool handled = TEdit::WindowMessage(message, w, l, result);
    if (message == WM_SETFOCUS)
        Switch(true);
    else if (message == WM_KILLFOCUS)
        Switch(false);
    return handled;
}

bool THotKeyEntry::ParentMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) {
    if (message != ProgramMessage::SecondWindowKey || !on_)
        return false;
    if (OnHotKey)
        OnHotKey(static_cast<int>(w));
    result = 0;
    return true;
}

}  // namespace orv
