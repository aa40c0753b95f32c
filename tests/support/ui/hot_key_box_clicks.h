// A hot-key box under the user's real mouse: the hook library's hooks in
// place as the player keeps them, the box's form asking for a combination,
// and each click sent through the X server as the user's are.
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

}  // namespace orv::testing
