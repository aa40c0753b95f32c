// A hot-key box under the user's real mouse: the hook library's hooks in
// place as the player keeps them, the box's form asking for a combination,
// and each click and key sent through the X server as the user's are.
#pragma once

#include <functional>
#include <string>

#include "common/ui/win32/form.h"
#include "common/ui/win32/hot_key_entry.h"

namespace orv::testing {

// With the focus in the box, a real click on each button of its form that
// shows and is enabled: each must reach its button (its click runs) and
// leave chosen() as it was. The buttons' own handlers are held back
// meanwhile, so the form stays as it is.
void ExpectClicksLeaveTheBox(TForm& form, THotKeyEntry& box,
                             const std::function<std::string()>& chosen);

// The same with the user's keys: a combination typed into the box is chosen;
// then Tab and Shift+Tab leave the box, Alt with each button's "&" letter
// and Enter (the default button) reach their buttons, and Escape closes the
// form as cancelled, each leaving the combination chosen as it was.
void ExpectKeysLeaveTheBox(TForm& form, THotKeyEntry& box,
                           const std::function<std::string()>& chosen);

}  // namespace orv::testing
